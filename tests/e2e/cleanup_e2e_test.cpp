// The log cleanup end to end, in the real Trivane.exe on drive T:, with a client that
// holds a few thousand logs in many folders: the window answers while it runs, the
// actions wait, closing stops it, a drive chosen meanwhile waits for the press, and
// every file gone has its line in the change record, also after an abrupt end and with
// two copies cleaning at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/trivane_driver.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/message_box_answerer.h"

namespace {

using e2e::ClickInBackground;
using e2e::Trivane;
using testing_support::ChangeRecordTail;

constexpr char kClientDrive[] = "T:\\";
const std::string kCleaned = "Log日志文件已清除，感谢你的使用！";
const std::string kCleaning = "正在清理，请稍后...";
const std::string kTip = "友情提示：";

LONGLONG size_of(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

class Cleanup : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(e2e::directory_exists(kClientDrive)) << "drive T: is mapped by the test command (tools/test.sh)";
        client_ = e2e::make_sample_client(kClientDrive);
        make_logs();
        // A fresh record: thousands of lines must not rotate it while a test reads them.
        DeleteFileA(ChangeRecordTail::path().c_str());
        tail_ = std::make_unique<ChangeRecordTail>();
    }

    // Forty folders of a hundred logs each, beside the sample client's own.
    void make_logs() {
        logs_ = client_.logs;
        const std::string base = client_.install + "\\Logs";
        CreateDirectoryA(base.c_str(), nullptr);
        for (int f = 0; f < 40; ++f) {
            const std::string folder = base + "\\d" + std::to_string(f);
            CreateDirectoryA(folder.c_str(), nullptr);
            for (int i = 0; i < 100; ++i) {
                const std::string file = folder + "\\" + std::to_string(i) + ".log";
                const HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
                ASSERT_NE(h, INVALID_HANDLE_VALUE) << file;
                DWORD written = 0;
                WriteFile(h, "log", 3, &written, nullptr);
                CloseHandle(h);
                logs_.push_back(file);
            }
        }
    }

    std::unique_ptr<Trivane> start() {
        auto tool = e2e::start_on('T', client_.install);
        if (tool->started()) tool->click(e2e::kLogBox);
        return tool;
    }

    // Waits until the record holds some lines more than at the start: the cleanup runs.
    bool wait_for_cleanup_lines(int lines = 20) const {
        for (int i = 0; i < 2000; ++i, Sleep(2))
            if (size_of(ChangeRecordTail::path()) > lines * 80) return true;
        return false;
    }

    // The logs no longer there, sorted.
    std::vector<std::string> gone() const {
        std::vector<std::string> paths;
        for (const std::string& log : logs_)
            if (!e2e::file_exists(log)) paths.push_back(log);
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    // The paths of the lines that say a file was deleted, sorted; every other line
    // about the client must be a deletion that failed.
    std::vector<std::string> deleted_lines() const {
        std::vector<std::string> paths;
        for (const std::string& line : tail_->lines_with(client_.install + "\\")) {
            const std::string head = "删除\t", done = "\t成功";
            if (line.rfind(head, 0) == 0 && line.size() > head.size() + done.size() &&
                line.compare(line.size() - done.size(), done.size(), done) == 0)
                paths.push_back(line.substr(head.size(), line.size() - head.size() - done.size()));
            else
                EXPECT_EQ(line.rfind(head, 0), 0u) << "not a deletion line: " << line;
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    e2e::SampleClient client_;
    std::vector<std::string> logs_;
    std::unique_ptr<ChangeRecordTail> tail_;
};

// Sorted `all` without the sorted `some`.
std::vector<std::string> without(const std::vector<std::string>& all, const std::vector<std::string>& some) {
    std::vector<std::string> left;
    std::set_difference(all.begin(), all.end(), some.begin(), some.end(), std::back_inserter(left));
    return left;
}

// The files gone and the files with a line, both sorted, are the same, but for at
// most `unrecorded` files gone without a line.
void expect_lines_for(const std::vector<std::string>& gone, const std::vector<std::string>& lines,
                      size_t unrecorded = 0) {
    const std::vector<std::string> missing = without(gone, lines), untrue = without(lines, gone);
    EXPECT_LE(missing.size(), unrecorded) << gone.size() << " files gone, " << lines.size() << " lines; e.g. "
                                          << missing[0] << " has none";
    EXPECT_TRUE(untrue.empty()) << untrue.size() << " lines for files still there, e.g. " << untrue[0];
    EXPECT_LE(lines.size(), gone.size()) << "a file with two lines";
}

// The press returns as soon as the cleanup has started; the result shows when it ends.
TEST_F(Cleanup, WhileItRunsTheWindowAnswersAndTheResultFollowsItsEnd) {
    auto tool = start();
    tool->click(e2e::kOptimizeButton);
    ASSERT_TRUE(wait_for_cleanup_lines());
    std::vector<DWORD> round_trips;
    while (tool->text(e2e::kResultLabel) != kCleaned) {
        const DWORD start = GetTickCount();
        DWORD_PTR ignored = 0;
        EXPECT_NE(SendMessageTimeoutA(tool->window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored), 0);
        round_trips.push_back(GetTickCount() - start);
        Sleep(10);
    }
    ASSERT_GE(round_trips.size(), 5u) << "the cleanup ended too soon to measure";
    EXPECT_LT(*std::max_element(round_trips.begin(), round_trips.end()), 250u);
    EXPECT_EQ(gone().size(), logs_.size());
    for (const std::string& kept : client_.non_logs) EXPECT_TRUE(e2e::file_exists(kept)) << kept;
    EXPECT_EQ(tool->close(), 0u);
}

// Each action, pressed while the cleanup runs, says to wait and does nothing; the
// cleanup goes on to its end.
TEST_F(Cleanup, WhileItRunsEveryActionSaysToWait) {
    struct Row {
        int button;
        std::function<bool()> untouched;
    } rows[] = {
        {e2e::kOptimizeButton, [] { return true; }},
        {e2e::kDx11RestoreButton,
         [this] { return e2e::read_file(client_.install + "\\Game\\Config\\game.cfg") == e2e::kGameCfg; }},
        {e2e::kHomeReplaceButton,
         [this] { return e2e::read_file(client_.install + "\\LeagueClient\\system.yaml") == e2e::kSystemYaml; }},
        {e2e::kHomeRestoreButton, [this] { return !e2e::file_exists(client_.install + "\\LeagueClient\\system.yaml.bak"); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        if (row.button != e2e::kOptimizeButton) {
            make_logs();
            DeleteFileA(ChangeRecordTail::path().c_str());  // closed between presses
        }
        auto tool = start();  // a fresh window: its result label shows the end of this cleanup
        tool->click(e2e::kOptimizeButton);
        ASSERT_TRUE(wait_for_cleanup_lines());
        testing_support::BoxAnswerer answerer(IDOK, tool->pid());
        tool->click(row.button);
        const auto boxes = answerer.answered();
        const bool still_cleaning = tool->text(e2e::kResultLabel) != kCleaned;
        ASSERT_TRUE(tool->wait_for_text(e2e::kResultLabel, kCleaned, 30000));
        ASSERT_TRUE(still_cleaning) << "the cleanup ended before the action was pressed";
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, kCleaning);
        EXPECT_EQ(boxes[0].title, kTip);
        EXPECT_TRUE(row.untouched());
        EXPECT_TRUE(gone().size() == logs_.size());
        EXPECT_EQ(tool->close(), 0u);
    }
}

// Closing stops the cleanup between two files and the process ends cleanly within
// the close deadline; what it deleted has its lines.
TEST_F(Cleanup, ClosingDuringItEndsTheProgramPromptlyAndCleanly) {
    auto tool = start();
    ClickInBackground press(*tool, e2e::kOptimizeButton);
    ASSERT_TRUE(wait_for_cleanup_lines());
    const DWORD closing = GetTickCount();
    EXPECT_EQ(tool->close(), 0u);
    // Well within the 2 s the workers get: the cleanup stopped, rather than the process
    // being ended at the deadline.
    EXPECT_LT(GetTickCount() - closing, 1500u);
    EXPECT_TRUE(press.finished(5000));
    const std::vector<std::string> deleted = gone();
    EXPECT_LT(deleted.size(), logs_.size()) << "the cleanup ran to its end";
    expect_lines_for(deleted, deleted_lines());
}

// Ended abruptly mid-way: every file gone has its line, but for the deletions under
// way at that moment, one per thread of the walk.
TEST_F(Cleanup, AnAbruptEndLeavesNoDeletedFileWithoutItsLine) {
    auto tool = start();
    ClickInBackground press(*tool, e2e::kOptimizeButton);
    ASSERT_TRUE(wait_for_cleanup_lines(400));
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, tool->pid());
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 9);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    EXPECT_TRUE(press.finished(10000));

    const std::vector<std::string> deleted = gone();
    ASSERT_LT(deleted.size(), logs_.size()) << "the cleanup ended before the process was";
    expect_lines_for(deleted, deleted_lines(), 3);
}

// Two copies on the same client at once: each file goes once, and the one that
// deleted it says so in one line.
TEST_F(Cleanup, TwoCopiesAtOnceGiveEachDeletedFileExactlyOneLine) {
    auto first = start();
    auto second = start();
    {
        ClickInBackground one(*first, e2e::kOptimizeButton), other(*second, e2e::kOptimizeButton);
        EXPECT_TRUE(one.finished(60000) && other.finished(60000));
    }
    EXPECT_TRUE(first->wait_for_text(e2e::kResultLabel, kCleaned, 60000));
    EXPECT_TRUE(second->wait_for_text(e2e::kResultLabel, kCleaned, 60000));
    EXPECT_EQ(first->close(), 0u);
    EXPECT_EQ(second->close(), 0u);
    const std::vector<std::string> deleted = gone();
    EXPECT_EQ(deleted.size(), logs_.size());
    // One each: a copy that found a file already gone says that it failed.
    expect_lines_for(deleted, deleted_lines());
    EXPECT_EQ(deleted_lines().size(), logs_.size());
}

// A drive chosen while the press cleans waits for the press: its steps keep the
// client they started on, and the search follows.
TEST_F(Cleanup, ADriveChosenDuringItIsSearchedForOnceThePressEnds) {
    auto tool = start();
    tool->click(e2e::kOptimizeButton);
    ASSERT_TRUE(wait_for_cleanup_lines());
    ASSERT_TRUE(tool->choose_drive('U'));
    Sleep(200);
    const bool still_cleaning = tool->text(e2e::kResultLabel) != kCleaned;
    EXPECT_EQ(tool->text(e2e::kPromptLabel), client_.install);
    ASSERT_TRUE(tool->wait_for_text(e2e::kResultLabel, kCleaned, 30000));
    ASSERT_TRUE(still_cleaning) << "the cleanup ended before the drive was chosen";
    EXPECT_EQ(gone().size(), logs_.size());
    EXPECT_TRUE(tool->wait_for_text(e2e::kPromptLabel, "未找到LOL安装目录，请重新选择驱动器"))
        << tool->text(e2e::kPromptLabel);
    EXPECT_EQ(tool->close(), 0u);
}

}  // namespace
