// Links swapped into the client after it was found: the install folder, a folder
// below it, Cross and Game\Config each put aside for a link to a copy of the client
// outside it (on drive U:), between the search and the press and during a long log
// cleanup. Nothing outside changes, and the record says what failed.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/trivane_driver.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/box_look.h"
#include "tests/support/unix_link.h"

namespace {

using e2e::Trivane;
using testing_support::ChangeRecordTail;

constexpr char kClientDrive[] = "T:\\";
constexpr char kOutsideDrive[] = "U:\\";
constexpr char kOutside[] = "U:\\mirror";

// Every file below `folder` with its content, and every folder (as "<folder>").
void snapshot(const std::string& folder, std::map<std::string, std::string>& into) {
    for (const std::string& name : e2e::list_names(folder)) {
        const std::string path = folder + "\\" + name;
        if (e2e::directory_exists(path)) {
            into[path] = "<folder>";
            snapshot(path, into);
        } else {
            into[path] = e2e::read_file(path);
        }
    }
}

std::map<std::string, std::string> outside_files() {
    std::map<std::string, std::string> files;
    snapshot("U:", files);
    return files;
}

// A click from a thread of its own, which returns once the press has ended.
class ClickInBackground {
public:
    ClickInBackground(const Trivane& tool, int id) : tool_(tool), id_(id) {
        thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
    }
    ~ClickInBackground() {
        if (!thread_) return;
        WaitForSingleObject(thread_, 60000);
        CloseHandle(thread_);
    }
    ClickInBackground(const ClickInBackground&) = delete;
    ClickInBackground& operator=(const ClickInBackground&) = delete;

private:
    static DWORD WINAPI run(void* self) {
        auto* c = static_cast<ClickInBackground*>(self);
        c->tool_.click(c->id_);
        return 0;
    }
    const Trivane& tool_;
    int id_;
    HANDLE thread_ = nullptr;
};

// The folder at `path` moved aside and a link to `target` put in its place; both
// undone when the object goes.
class SwappedForLink {
public:
    SwappedForLink(const std::string& path, const std::string& target) : path_(path) {
        moved_ = MoveFileA(path.c_str(), (path + ".moved").c_str()) != 0;
        if (moved_) link_ = std::make_unique<testing_support::UnixLink>(path, target);
    }
    ~SwappedForLink() {
        link_.reset();
        if (moved_) MoveFileA((path_ + ".moved").c_str(), path_.c_str());
    }
    SwappedForLink(const SwappedForLink&) = delete;
    SwappedForLink& operator=(const SwappedForLink&) = delete;
    bool made() const { return link_ && link_->made(); }

private:
    std::string path_;
    bool moved_ = false;
    std::unique_ptr<testing_support::UnixLink> link_;
};

class SwappedLinks : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(e2e::directory_exists(kClientDrive) && e2e::directory_exists(kOutsideDrive))
            << "drives T: and U: are mapped by the test command (tools/test.sh)";
        client_ = e2e::make_sample_client(kClientDrive);
        outside_ = e2e::make_sample_client(kOutsideDrive);
        // At a plain name, for the links' sake.
        ASSERT_TRUE(MoveFileA(outside_.install.c_str(), kOutside));
        outside_.install = kOutside;
        DeleteFileA(ChangeRecordTail::path().c_str());  // no rotation while lines are read
        tail_ = std::make_unique<ChangeRecordTail>();
    }
    void TearDown() override { e2e::empty_folder(kOutsideDrive); }

    std::unique_ptr<Trivane> start() {
        auto tool = std::make_unique<Trivane>(e2e::Launch{e2e::trivane_exe(), "", ""});
        EXPECT_TRUE(tool->started());
        if (!tool->started()) return tool;
        EXPECT_TRUE(tool->choose_drive('T'));
        EXPECT_TRUE(tool->wait_for_text(e2e::kPromptLabel, client_.install)) << tool->text(e2e::kPromptLabel);
        return tool;
    }

    // The record's lines about the client's `relative` path and what lies below it
    // (the tool may name a folder with a doubled backslash after it), and those that
    // say it was done.
    std::vector<std::string> lines(const std::string& relative) const {
        const std::string meant = client_.install + relative;
        std::vector<std::string> found;
        for (std::string line : tail_->lines_with(client_.install)) {
            for (size_t at; (at = line.find("\\\\")) != std::string::npos;) line.erase(at, 1);
            const size_t at = line.find(meant);
            const char after = at == std::string::npos ? '\0' : line[at + meant.size()];
            if (after == '\\' || after == '\t' || after == ' ') found.push_back(line);
        }
        return found;
    }
    static size_t done(const std::vector<std::string>& lines) {
        size_t n = 0;
        for (const std::string& line : lines) n += line.find("\t成功") != std::string::npos;
        return n;
    }
    static size_t refused(const std::vector<std::string>& lines) {
        size_t n = 0;
        for (const std::string& line : lines) n += line.find("\t失败 681") != std::string::npos;
        return n;
    }

    e2e::SampleClient client_;
    e2e::SampleClient outside_;
    std::unique_ptr<ChangeRecordTail> tail_;
};

// The DX11, Cross and log steps and the home page's replace and restore, after the
// swap: what went through a link is refused with the link's code; the rest is done.
TEST_F(SwappedLinks, ASwapBetweenTheSearchAndThePressChangesNothingOutside) {
    struct Case {
        const char* swapped;  // below the install folder; "" for the folder itself
        const char* refused;  // the lines that must all fail, and at least one with the link's code
    };
    const Case cases[] = {
        {"", ""},
        {"\\LeagueClient", "\\LeagueClient"},
        {"\\Cross", "\\Cross"},
        {"\\Game\\Config", "\\Game\\Config"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("swapped: ") + c.swapped);
        SetUp();
        const std::map<std::string, std::string> before = outside_files();
        auto tool = start();
        ASSERT_TRUE(tool->started());
        {
            SwappedForLink swap(client_.install + c.swapped, outside_.install + c.swapped);
            ASSERT_TRUE(swap.made());
            for (int box : {e2e::kDx11Box, e2e::kCrossBox, e2e::kLogBox}) tool->click(box);
            for (int button : {e2e::kOptimizeButton, e2e::kHomeReplaceButton, e2e::kHomeRestoreButton}) {
                testing_support::LookingAnswerer answerer(tool->pid());
                tool->click(button);
            }
            EXPECT_EQ(outside_files(), before);
            const std::vector<std::string> failed = lines(c.refused);
            EXPECT_EQ(done(failed), 0u);
            EXPECT_GE(refused(failed), 1u);
        }
        EXPECT_EQ(tool->close(), 0u);
    }
    // Where nothing was swapped, the steps did their work.
    EXPECT_GE(done(lines("\\Game\\Logs\\b.log")), 1u);
}

// During a cleanup of thousands of logs, the install folder or the folder holding
// them is put aside for a link to a copy outside: no log there goes, and the folders
// reached through the link are refused.
TEST_F(SwappedLinks, ASwapDuringALongCleanupDeletesNothingOutside) {
    for (const char* swapped : {"", "\\Logs"}) {
        SCOPED_TRACE(std::string("swapped: ") + swapped);
        SetUp();
        for (const e2e::SampleClient* client : {&client_, &outside_})
            for (int f = 0; f < 40; ++f)
                for (int i = 0; i < 100; ++i)
                    e2e::write_file(client->install + "\\Logs\\d" + std::to_string(f) + "\\" + std::to_string(i) + ".log",
                                    "log");
        const std::map<std::string, std::string> before = outside_files();
        auto tool = start();
        ASSERT_TRUE(tool->started());
        tool->click(e2e::kLogBox);
        ClickInBackground press(*tool, e2e::kOptimizeButton);
        // The cleanup has begun: a line has been written.
        for (int i = 0; i < 2000 && lines("").size() < 20; ++i) Sleep(2);
        ASSERT_GE(lines("").size(), 20u);
        {
            SwappedForLink swap(client_.install + swapped, outside_.install + swapped);
            ASSERT_TRUE(swap.made());
            ASSERT_TRUE(tool->wait_for_text(e2e::kResultLabel, "Log日志文件已清除，感谢你的使用！", 60000));
            EXPECT_EQ(outside_files(), before);
            EXPECT_GE(refused(lines("")), 1u);
        }
        EXPECT_EQ(tool->close(), 0u);
    }
}

}  // namespace
