// The change record: its entries, appending, rotation and refusals on files of a test
// folder; the log deletion's lines in the prefix's own record; the system menu item.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "data/version.h"
#include "forms/window_system_install.h"
#include "logic/calls.h"
#include "tests/support/box_look.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tests/tuner/wide_names.h"
#include "tuner/change_record.h"
#include "tuner/file_routines.h"
#include "tuner/program_info.h"
#include "tuner/record_menu.h"
#include "tuner/tool_state.h"

namespace {

using testing_support::child_report;
using testing_support::read_whole_file;
using testing_support::TempDir;
using tuner::Change;

std::string entry(Change change, const char* subject, bool done, rt::u32 error) {
    return tuner_tests::gbk(tuner::change_entry(change, tuner_tests::wide(subject).c_str(), done, error));
}

TEST(ChangeRecord, AnEntryNamesTheActionTheSubjectAndTheOutcome) {
    tuner_tests::start_tool_runtime();
    EXPECT_EQ(entry(Change::Delete, "C:\\客户端\\a.log", false, 5), "删除\tC:\\客户端\\a.log\t失败 5");
    EXPECT_EQ(entry(Change::Run, "cmd /c x", true, 0), "运行\tcmd /c x\t成功");
    const char* actions[] = {"备份", "写入", "重命名", "删除", "运行", "权限"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(entry(static_cast<Change>(i), "p", false, 1234567), std::string(actions[i]) + "\tp\t失败 1234567");
}

// The size past which a record is renamed to changes.old.log.
constexpr size_t kRotationSize = 1048576;

// The record's encoding, UTF-8, is marked at its start.
const std::string kMark = "\xEF\xBB\xBF";

// A record of `size` bytes of whole lines, behind the mark.
std::string lines_of_size(size_t size) { return kMark + std::string(size - 2 - kMark.size(), 'x') + "\r\n"; }

TEST(ChangeRecord, LinesAreAppendedAndTheRecordIsRenamedBeforeItPassesTheLimit) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string record = dir / "changes.log", old = dir / "changes.old.log";
    {
        tuner::ChangeRecord first(record.c_str(), old.c_str());
        EXPECT_TRUE(first.append_line("one\r\n"));
    }
    EXPECT_TRUE(tuner::ChangeRecord(record.c_str(), old.c_str()).append_line("two\r\n"));
    EXPECT_EQ(read_whole_file(record), kMark + "one\r\ntwo\r\n");

    // Up to the limit exactly it grows; the next line starts a new record.
    const std::string full = lines_of_size(kRotationSize - 6);
    dir.write("changes.log", full);
    dir.write("changes.old.log", "older");
    tuner::ChangeRecord open(record.c_str(), old.c_str());
    EXPECT_TRUE(open.append_line("last\r\n"));
    EXPECT_EQ(read_whole_file(old), "older");
    EXPECT_TRUE(open.append_line("next\r\n"));
    EXPECT_TRUE(read_whole_file(old) == full + "last\r\n");
    EXPECT_TRUE(open.append_line("more\r\n"));
    EXPECT_TRUE(read_whole_file(record) == kMark + "next\r\nmore\r\n");
}

// The record is UTF-8 behind one mark: a new or empty record gets the mark with its
// first line, a marked one only the line, and one of the earlier encoding (no mark)
// is moved to changes.old.log byte for byte before the first new line.
TEST(ChangeRecord, TheRecordIsUtf8BehindOneMarkAndAnEarlierRecordIsMovedAsideWhole) {
    tuner_tests::start_tool_runtime();
    const std::string earlier = "2026-12-01 10:00:00\t删除\tC:\\客户端\\a.log\t成功\r\n";  // GBK
    const struct {
        const char* name;
        const char* record;  // null: no record yet
        std::string kept;    // what the record holds before the new line afterwards
        const char* old;     // changes.old.log afterwards; null: none
    } cases[] = {
        {"no record", nullptr, kMark, nullptr},
        {"an empty record", "", kMark, nullptr},
        {"a marked record", "\xEF\xBB\xBF" "first\r\n", kMark + "first\r\n", nullptr},
        {"an earlier record", earlier.c_str(), kMark, earlier.c_str()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string record = dir / "changes.log", old = dir / "changes.old.log";
        if (c.record) dir.write("changes.log", c.record);
        if (c.old) dir.write("changes.old.log", "older");
        EXPECT_TRUE(tuner::ChangeRecord(record.c_str(), old.c_str()).append_entry("删除\tC:\\客户端\\b.log\t成功"));

        const std::string bytes = read_whole_file(record);
        ASSERT_EQ(bytes.compare(0, c.kept.size(), c.kept), 0) << bytes;
        std::wstring line;
        ASSERT_TRUE(testing_support::ChangeRecordTail::decode(kMark + bytes.substr(c.kept.size()), line)) << bytes;
        ASSERT_GT(line.size(), 20u);
        EXPECT_EQ(line.substr(19), L"\t删除\tC:\\客户端\\b.log\t成功\r\n");
        if (c.old)
            EXPECT_TRUE(read_whole_file(old) == c.old);
        else
            EXPECT_EQ(GetFileAttributesA(old.c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

// The second writer's whole line, written while the first waits for the writers' lock.
tuner::ChangeRecord* g_second_writer = nullptr;
BOOL WINAPI second_writer_first(HANDLE file, DWORD flags, DWORD reserved, DWORD low, DWORD high, OVERLAPPED* where) {
    if (tuner::ChangeRecord* second = std::exchange(g_second_writer, nullptr)) second->append_line("second\r\n");
    return LockFileEx(file, flags, reserved, low, high, where);
}

// Both writers open the record while it is empty; the one that takes the lock first
// writes the mark, and the other, finding a line there under the lock, does not.
TEST(ChangeRecord, TwoWritersOnAnEmptyRecordWriteOneMark) {
    tuner_tests::start_tool_runtime();
    for (const bool exists : {false, true}) {
        SCOPED_TRACE(exists ? "an empty record" : "no record");
        TempDir dir;
        const std::string record = dir / "changes.log", old = dir / "changes.old.log";
        if (exists) dir.write("changes.log", "");
        tuner::ChangeRecord first(record.c_str(), old.c_str()), second(record.c_str(), old.c_str());
        g_second_writer = &second;
        {
            const tuner_tests::StandIn lock(tuner::kLockFileEx, reinterpret_cast<void*>(second_writer_first));
            EXPECT_TRUE(first.append_line("first\r\n"));
        }
        EXPECT_EQ(g_second_writer, nullptr) << "the second writer wrote while the first waited";
        EXPECT_EQ(read_whole_file(record), kMark + "second\r\nfirst\r\n");
    }
}

// Where changes.old.log cannot be replaced, or the record cannot be renamed while
// another writer holds it, the record grows past the limit rather than lose the line.
TEST(ChangeRecord, WhenTheRecordCannotBeRenamedTheLineStillGoesToIt) {
    tuner_tests::start_tool_runtime();
    enum Obstacle { OldIsAFolder, OldHeldWithoutDeleteSharing, RecordHeldByAnotherWriter };
    for (Obstacle obstacle : {OldIsAFolder, OldHeldWithoutDeleteSharing, RecordHeldByAnotherWriter}) {
        SCOPED_TRACE(obstacle);
        TempDir dir;
        const std::string record = dir / "changes.log", old = dir / "changes.old.log";
        // The other writer's line still fits; this one would pass the limit.
        dir.write("changes.log", lines_of_size(kRotationSize - (obstacle == RecordHeldByAnotherWriter ? 10 : 3)));
        HANDLE held_old = INVALID_HANDLE_VALUE;
        tuner::ChangeRecord other_writer(record.c_str(), old.c_str());
        if (obstacle == OldIsAFolder) dir.write("changes.old.log\\inside.txt", "kept");
        if (obstacle == OldHeldWithoutDeleteSharing) {
            dir.write("changes.old.log", "older");
            held_old = CreateFileA(old.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held_old, INVALID_HANDLE_VALUE);
        }
        if (obstacle == RecordHeldByAnotherWriter) {
            ASSERT_TRUE(other_writer.append_line("other\r\n"));
        }
        const std::string before = read_whole_file(record);

        EXPECT_TRUE(tuner::ChangeRecord(record.c_str(), old.c_str()).append_line("line\r\n"));
        EXPECT_TRUE(read_whole_file(record) == before + "line\r\n");
        // What stands under the old record's name is left as it was.
        const std::string kept = obstacle == OldIsAFolder ? read_whole_file(old + "\\inside.txt")
                                 : GetFileAttributesA(old.c_str()) == INVALID_FILE_ATTRIBUTES ? "nothing"
                                                                                              : read_whole_file(old);
        EXPECT_EQ(kept, obstacle == OldIsAFolder ? "kept" : obstacle == OldHeldWithoutDeleteSharing ? "older" : "nothing");
        if (held_old != INVALID_HANDLE_VALUE) CloseHandle(held_old);
    }
}

TEST(ChangeRecord, ARecordWithAnotherHardLinkIsNeitherWrittenNorRenamed) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string record = dir.write("changes.log", lines_of_size(kRotationSize));
    ASSERT_TRUE(CreateHardLinkA((dir / "someone_elses.dat").c_str(), record.c_str(), nullptr));
    const std::string old = dir / "changes.old.log";
    EXPECT_FALSE(tuner::ChangeRecord(record.c_str(), old.c_str()).append_line("line\r\n"));
    EXPECT_EQ(read_whole_file(record).size(), kRotationSize);
    EXPECT_EQ(GetFileAttributesA(old.c_str()), INVALID_FILE_ATTRIBUTES);
}

// Drive W: is a small file system with 1 KiB blocks (the test command maps it where the
// machine permits). A record ending 10 bytes short of a page may take just those 10
// bytes of a line when the disk is full: that line fails, and the next one, once
// there is room, starts a line of its own behind the fragment.
TEST(ChangeRecord, OnAFullDiskALineCutShortIsEndedBeforeTheNextLine) {
    if (GetFileAttributesA("W:\\") == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "drive W: (a loop-mounted ext2 image) is not mapped: the test command could not mount it";
    tuner_tests::start_tool_runtime();
    const std::string folder = "W:\\记录", record = folder + "\\changes.log";
    testing_support::remove_tree(folder);
    const std::string padding = lines_of_size(4096 - 10);
    testing_support::write_file(record, padding);
    testing_support::fill_up("W:\\fill");
    const std::string cut = "2026-12-08 10:00:00\tdelete\tT:\\game\\a.log\tdone\r\n";
    {
        tuner::ChangeRecord open(record.c_str(), (folder + "\\changes.old.log").c_str());
        EXPECT_FALSE(open.append_line(cut.c_str()));
        DeleteFileA("W:\\fill");
        EXPECT_TRUE(open.append_line("next\r\n"));
    }
    EXPECT_TRUE(tuner::ChangeRecord(record.c_str(), (folder + "\\changes.old.log").c_str()).append_line("again\r\n"));
    const std::string content = read_whole_file(record);
    testing_support::remove_tree(folder);
    ASSERT_EQ(content.compare(0, padding.size(), padding), 0);
    // Whatever part of the cut line reached the disk stands on a line of its own.
    const std::string after = content.substr(padding.size());
    const std::string fragment = after.compare(0, 4, "next") == 0 ? "" : after.substr(0, after.find("\r\n"));
    EXPECT_EQ(after, fragment + (fragment.empty() ? "" : "\r\n") + "next\r\nagain\r\n");
    EXPECT_TRUE(fragment.size() < cut.size() && cut.compare(0, fragment.size(), fragment) == 0) << fragment;
}

TEST(ChangeRecord, TheLogCleanupRecordsEveryDeletionAndEachFailureWithItsCode) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    for (const char* file : {"a.log", "keep.txt", "Game\\x.LOG", "readonly.log"}) dir.write(file, "x");
    SetFileAttributesA((dir / "readonly.log").c_str(), FILE_ATTRIBUTE_READONLY);
    const testing_support::ChangeRecordTail tail;
    logic::Text directory = logic::Text::copy(dir.path().c_str());
    EXPECT_EQ(tuner::delete_files_by_pattern(directory, "*.log", true, 0), 2);
    SetFileAttributesA((dir / "readonly.log").c_str(), FILE_ATTRIBUTE_NORMAL);

    std::vector<std::string> lines = tail.lines_with(dir.path() + "\\");
    std::sort(lines.begin(), lines.end());  // the folder lists its files in the file system's order
    EXPECT_EQ(lines, (std::vector<std::string>{"删除\t" + (dir / "Game\\x.LOG") + "\t成功",
                                               "删除\t" + (dir / "a.log") + "\t成功",
                                               "删除\t" + (dir / "readonly.log") + "\t失败 5"}));
}

TRIVANE_CHILD_SCENARIO(record_menu_item) {
    forms::install_window_system();
    tuner_tests::start_tool_runtime();
    tuner::create_tool_state();  // the window's handlers share it
    logic::load_start_window(tuner::kMainWindowId);  // its created event adds the item
    char text[64] = {};
    GetMenuStringA(GetSystemMenu(FindWindowA(nullptr, "Trivane" TRIVANE_VERSION_TEXT), FALSE), tuner::kShowRecordCommand, text,
                   sizeof text, MF_BYCOMMAND);
    child_report(std::string("item: ") + text + "\n");
}

TEST(ChangeRecord, TheSystemMenuOffersTheRecordAndWithoutOneSaysSo) {
    EXPECT_EQ(testing_support::run_child("record_menu_item").report, "item: 查看更改记录\n");

    tuner_tests::start_tool_runtime();
    TempDir dir;
    testing_support::LookingAnswerer answerer(0);
    tuner::show_change_record((dir / "changes.log").c_str());
    const auto boxes = answerer.answered();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "暂无更改记录");
    EXPECT_EQ(boxes[0].title, "友情提示：");
    EXPECT_EQ(boxes[0].icon_handle, LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION)));  // style 64: the information icon
}

}  // namespace
