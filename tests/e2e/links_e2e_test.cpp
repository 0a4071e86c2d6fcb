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

using e2e::ClickInBackground;
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

bool is_link(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool wait_until_link(const std::string& path, bool wanted) {
    for (int i = 0; i < 1000; ++i, Sleep(10))
        if (is_link(path) == wanted) return true;
    return false;
}

// The folder at `path` moved aside and a link to `target` put in its place, by the
// host's shell at once when `fire()` is called: the shell is started beforehand and
// waits for a signal file, as starting it takes longer than a cleanup may last.
// Undone when the object goes.
class SwappedForLink {
public:
    SwappedForLink(const std::string& path, const std::string& target) : path_(path) {
        using testing_support::host_word;
        using testing_support::unix_path_of;
        DeleteFileA(kSignal);
        unix_path_ = unix_path_of(path);
        const std::string moved = unix_path_of(path + ".moved");
        DeleteFileA(kReady);
        // The link is made beforehand under a plain name beside the folder; on the signal
        // one program renames the folder aside and the link into its place, so that no
        // moment passes with neither there.
        const std::string plain = unix_path_ + ".link";
        testing_support::run_host_shell(
            "ln -s " + host_word(unix_path_of(target)) + " " + host_word(plain) + " && : > " +
            host_word(unix_path_of(kReady)) + " && perl -e 'select(undef, undef, undef, 0.002) until -e $ARGV[0]; " +
            "rename($ARGV[1], $ARGV[2]) && rename($ARGV[3], $ARGV[1])' " + host_word(unix_path_of(kSignal)) + " " +
            host_word(unix_path_) + " " + host_word(moved) + " " + host_word(plain));
        for (int i = 0; i < 1000 && !e2e::file_exists(kReady); ++i) Sleep(10);  // the shell waits
    }
    ~SwappedForLink() {
        if (!fired_) CloseHandle(CreateFileA(kSignal, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        if (wait_until_link(path_, true)) {
            testing_support::run_host_shell("rm -f " + testing_support::host_word(unix_path_));  // the link alone
            wait_until_link(path_, false);
        }
        MoveFileA((path_ + ".moved").c_str(), path_.c_str());
        DeleteFileA(kSignal);
        DeleteFileA(kReady);
    }
    SwappedForLink(const SwappedForLink&) = delete;
    SwappedForLink& operator=(const SwappedForLink&) = delete;

    // Swaps now; true once the link is in place.
    bool fire() {
        fired_ = true;
        CloseHandle(CreateFileA(kSignal, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        return wait_until_link(path_, true);
    }

private:
    // On the client's drive, outside the client.
    static constexpr char kSignal[] = "T:\\swap.signal";
    static constexpr char kReady[] = "T:\\swap.ready";
    std::string path_;
    std::string unix_path_;
    bool fired_ = false;
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
        return e2e::start_on('T', client_.install);
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
            ASSERT_TRUE(swap.fire());
            for (int box : {e2e::kDx11Box, e2e::kCrossBox, e2e::kLogBox}) tool->click(box);
            for (int button : {e2e::kOptimizeButton, e2e::kHomeReplaceButton, e2e::kHomeRestoreButton}) {
                testing_support::LookingAnswerer answerer(tool->pid());
                tool->click(button);
                // The press's log cleanup runs on: the home page actions follow its end.
                if (button == e2e::kOptimizeButton)
                    tool->wait_for_text(e2e::kResultLabel, "Log日志文件已清除，感谢你的使用！", 10000);
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

// During a cleanup of a long chain of folders, the install folder or the folder holding
// them is put aside for a link to a copy outside: no log there goes, and the folders
// reached through the link are refused.
TEST_F(SwappedLinks, ASwapDuringALongCleanupDeletesNothingOutside) {
    for (const char* swapped : {"", "\\Logs"}) {
        SCOPED_TRACE(std::string("swapped: ") + swapped);
        SetUp();
        // A chain of folders one inside the other, with logs in each: the walk can only
        // go down it one folder after another, so it lasts long enough to be swapped
        // under.
        for (const e2e::SampleClient* client : {&client_, &outside_}) {
            std::string folder = client->install + "\\Logs";
            for (int depth = 0; depth < 90; ++depth, folder += "\\d")
                for (int i = 0; i < 20; ++i) e2e::write_file(folder + "\\" + std::to_string(i) + ".log", "log");
        }
        const std::map<std::string, std::string> before = outside_files();
        auto tool = start();
        ASSERT_TRUE(tool->started());
        tool->click(e2e::kLogBox);
        {
            SwappedForLink swap(client_.install + swapped, outside_.install + swapped);
            ClickInBackground press(*tool, e2e::kOptimizeButton);
            // The cleanup has begun: the log at the top, the first in walk order, is gone.
            for (int i = 0; i < 10000 && e2e::file_exists(client_.logs[0]); ++i) Sleep(1);
            ASSERT_FALSE(e2e::file_exists(client_.logs[0]));
            ASSERT_TRUE(swap.fire());
            ASSERT_TRUE(tool->wait_for_text(e2e::kResultLabel, "Log日志文件已清除，感谢你的使用！", 60000));
            EXPECT_EQ(outside_files(), before);
            // Only a folder visited after the swap can give the link's code.
            EXPECT_GE(refused(lines("")), 1u);
        }
        EXPECT_EQ(tool->close(), 0u);
    }
}

}  // namespace
