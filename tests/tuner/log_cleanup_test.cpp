// The log deletion below the cleanup thread: it never reaches through a link, every
// file it deleted has its line even when stopped mid-way, and a stop ends it between
// two files.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/change_record_tail.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unix_link.h"
#include "tests/tuner/tuner_test_program.h"
#include "tests/tuner/wide_names.h"
#include "tuner/file_routines.h"

namespace {

using testing_support::ChangeRecordTail;
using testing_support::TempDir;
using testing_support::UnixLink;

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A client with a folder linked outside it and one linked back up to its own top
// (a cycle). A read-only log answers with a failure line from every path it is
// listed under, so a walk through the cycle shows in the record.
class LinkedClient : public testing::Test {
protected:
    void SetUp() override {
        tuner_tests::start_tool_runtime();
        for (const char* file : {"client\\a.log", "client\\Game\\b.log", "client\\stuck.log", "outside\\precious.log",
                                 "outside\\deeper\\kept.log"})
            dir_.write(file, "x");
        SetFileAttributesA(stuck().c_str(), FILE_ATTRIBUTE_READONLY);
        outward_ = std::make_unique<UnixLink>(client() + "\\Game\\elsewhere", dir_ / "outside");
        upward_ = std::make_unique<UnixLink>(client() + "\\Game\\Logs", client());
    }
    void TearDown() override {
        outward_.reset();
        upward_.reset();
        SetFileAttributesA(stuck().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::string client() const { return dir_ / "client"; }
    std::string stuck() const { return dir_ / "client\\stuck.log"; }

    TempDir dir_;
    // Declared after the folder: each link goes before the folder's removal could
    // walk through it.
    std::unique_ptr<UnixLink> outward_, upward_;
};

TEST_F(LinkedClient, NothingBeyondALinkIsDeletedOrVisited) {
    // Seen by the platform as reparse points, or this test tests nothing.
    ASSERT_TRUE(outward_->made() && upward_->made()) << "links are made with /bin/ln through Wine";
    const ChangeRecordTail tail;
    logic::Text directory = logic::Text::copy(client().c_str());
    EXPECT_EQ(tuner::delete_files_by_pattern(directory, "*.log", true, 0), 2);

    EXPECT_FALSE(exists(client() + "\\a.log"));
    EXPECT_FALSE(exists(client() + "\\Game\\b.log"));
    EXPECT_TRUE(exists(dir_ / "outside\\precious.log"));
    EXPECT_TRUE(exists(dir_ / "outside\\deeper\\kept.log"));
    std::vector<std::string> lines = tail.lines_with(dir_.path() + "\\");
    std::sort(lines.begin(), lines.end());
    ASSERT_EQ(lines.size(), 3u) << "one line per file, none through a link";
    EXPECT_EQ(lines[0], "删除\t" + client() + "\\Game\\b.log\t成功");
    EXPECT_EQ(lines[1], "删除\t" + client() + "\\a.log\t成功");
    EXPECT_EQ(lines[2], "删除\t" + stuck() + "\t失败 5");
}

// Logs named in scripts GBK lacks, in folders so named too, go by their own names, and
// their lines show those names.
TEST(NamedInAnyScript, LogsAreDeletedAndRecordedByTheirOwnNames) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::wstring root = tuner_tests::wide(dir.path());
    const std::wstring logs[] = {L"한국어.log", L"\xD83D\xDE00.log", L"한국어\\깊이\\기록.LOG", L"英雄\\\xD83C\xDFAE.log"};
    for (const std::wstring& log : logs) ASSERT_TRUE(tuner_tests::write_wide_file(root, log));
    // Outside the checks: they spell their argument out in GBK, which has no Hangul.
    const std::wstring kept = L"한국어\\남김.txt";
    ASSERT_TRUE(tuner_tests::write_wide_file(root, kept));
    const ChangeRecordTail tail;
    logic::Text directory = logic::Text::copy(dir.path().c_str());
    EXPECT_EQ(tuner::delete_files_by_pattern(directory, "*.log", true, 0), 4);

    std::vector<std::wstring> expected;
    for (const std::wstring& log : logs) {
        EXPECT_FALSE(tuner_tests::wide_exists(root + L"\\" + log)) << tuner_tests::gbk(log);
        expected.push_back(L"删除\t" + root + L"\\" + log + L"\t成功");
    }
    EXPECT_TRUE(tuner_tests::wide_exists(root + L"\\" + kept));
    std::vector<std::wstring> lines = tail.wide_lines_with(root + L"\\");
    std::sort(lines.begin(), lines.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_TRUE(lines == expected) << lines.size() << " lines, the first: " << (lines.empty() ? "" : tuner_tests::gbk(lines[0]));
    tuner_tests::remove_wide_tree(root + L"\\한국어");
}

// The second byte of 乗 is a backslash's: a client folder whose name ends in it still
// gets a backslash of its own, and its logs, not its neighbours', go.
TEST(NamedInAnyScript, AFolderEndingInADoubleByteCharacterIsCleanedBelowItself) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string client = dir / "游戏乗";
    // Made by their wide names: the tests' own folder maker splits paths by bytes.
    const std::wstring root = tuner_tests::wide(dir.path());
    for (const wchar_t* file : {L"游戏乗\\a.log", L"游戏乗\\Game\\b.log", L"游戏乗x.log"})  // the last beside it
        ASSERT_TRUE(tuner_tests::write_wide_file(root, file));
    logic::Text directory = logic::Text::copy(client.c_str());
    EXPECT_EQ(tuner::delete_files_by_pattern(directory, "*.log", true, 0), 2);
    EXPECT_EQ(std::string(directory.c_str()), client + "\\");
    EXPECT_FALSE(exists(client + "\\a.log"));
    EXPECT_FALSE(exists(client + "\\Game\\b.log"));
    EXPECT_TRUE(exists(dir / "游戏乗x.log"));
}

struct Stopper {
    std::string directory;  // ends in a backslash
    std::atomic<bool> stop{false};
    int deleted = 0;
};

DWORD WINAPI delete_until_stopped(void* context) {
    auto& s = *static_cast<Stopper*>(context);
    s.deleted = tuner::delete_matching_files(s.directory.c_str(), "*.log", true, s.stop);
    return 0;
}

LONGLONG size_of(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Stopped once a few dozen lines are in the record: files remain, and the files gone
// are exactly those with a line, whichever thread deleted them. One large folder shows
// the stop between two files; many small ones show the helpers' deletions ahead of
// the walking thread.
TEST(StoppedCleanup, EndsBetweenTwoFilesAndEveryDeletedFileHasItsLine) {
    tuner_tests::start_tool_runtime();
    struct Layout {
        const char* name;
        int folders;
        int files_per_folder;
    } layouts[] = {{"one large folder", 1, 1500}, {"many small folders", 60, 25}};
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        TempDir dir;
        std::vector<std::string> files;
        for (int f = 0; f < layout.folders; ++f)
            for (int i = 0; i < layout.files_per_folder; ++i)
                files.push_back(dir.write("f" + std::to_string(f) + "\\" + std::to_string(i) + ".log", "x"));
        DeleteFileA(ChangeRecordTail::path().c_str());  // no rotation while the lines are read
        const ChangeRecordTail tail;
        const LONGLONG start = size_of(ChangeRecordTail::path());

        Stopper stopper;
        stopper.directory = dir.path() + "\\";
        HANDLE thread = CreateThread(nullptr, 0, delete_until_stopped, &stopper, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        while (size_of(ChangeRecordTail::path()) - start < 40 * 60 &&
               WaitForSingleObject(thread, 0) == WAIT_TIMEOUT)
            Sleep(1);
        stopper.stop = true;
        EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
        CloseHandle(thread);

        std::vector<std::string> gone, lines;
        for (const std::string& file : files)
            if (!exists(file)) gone.push_back("删除\t" + file + "\t成功");
        lines = tail.lines_with(dir.path() + "\\");
        std::sort(gone.begin(), gone.end());
        std::sort(lines.begin(), lines.end());
        EXPECT_GT(gone.size(), 0u);
        EXPECT_LT(gone.size(), files.size() / 2) << "the stop ended the cleanup early";
        std::vector<std::string> unrecorded, untrue;
        std::set_difference(gone.begin(), gone.end(), lines.begin(), lines.end(), std::back_inserter(unrecorded));
        std::set_difference(lines.begin(), lines.end(), gone.begin(), gone.end(), std::back_inserter(untrue));
        EXPECT_TRUE(unrecorded.empty()) << unrecorded.size() << " deleted without a line, e.g. " << unrecorded[0];
        EXPECT_TRUE(untrue.empty()) << untrue.size() << " lines without a deletion, e.g. " << untrue[0];
        EXPECT_EQ(lines.size(), gone.size()) << "one line per file";
    }
}

}  // namespace
