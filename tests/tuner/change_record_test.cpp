// The change record: its entries, appending, rotation and refusals on files of a test
// folder; the log deletion's lines in the prefix's own record; the system menu item.
#include <gtest/gtest.h>
#include <windows.h>

#include "forms/window_system_install.h"
#include "logic/calls.h"
#include "tests/support/box_look.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/change_record.h"
#include "tuner/file_routines.h"
#include "tuner/program_info.h"
#include "tuner/record_menu.h"

namespace {

using testing_support::child_report;
using testing_support::read_whole_file;
using testing_support::TempDir;
using tuner::Change;

std::string entry(Change change, const char* subject, bool done, rt::u32 error) {
    return tuner::change_entry(change, subject, done, error).c_str();
}

TEST(ChangeRecord, AnEntryNamesTheActionTheSubjectAndTheOutcome) {
    tuner_tests::start_tool_runtime();
    EXPECT_EQ(entry(Change::Delete, "C:\\客户端\\a.log", false, 5), "删除\tC:\\客户端\\a.log\t失败 5");
    EXPECT_EQ(entry(Change::Run, "cmd /c x", true, 0), "运行\tcmd /c x\t成功");
    const char* actions[] = {"备份", "写入", "重命名", "删除", "运行", "权限"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(entry(static_cast<Change>(i), "p", false, 1234567), std::string(actions[i]) + "\tp\t失败 1234567");
}

TEST(ChangeRecord, LinesAreAppendedAndTheRecordIsRenamedBeforeItPassesTheLimit) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string record = dir / "changes.log", old = dir / "changes.old.log";
    {
        tuner::ChangeRecord first(record.c_str(), old.c_str());
        EXPECT_TRUE(first.append_line("one\r\n"));
    }
    EXPECT_TRUE(tuner::ChangeRecord(record.c_str(), old.c_str()).append_line("two\r\n"));
    EXPECT_EQ(read_whole_file(record), "one\r\ntwo\r\n");

    // Up to the limit exactly it grows; the next line starts a new record.
    const std::string full(tuner::kRecordLimit - 5, 'x');
    dir.write("changes.log", full);
    dir.write("changes.old.log", "older");
    tuner::ChangeRecord open(record.c_str(), old.c_str());
    EXPECT_TRUE(open.append_line("last\n"));
    EXPECT_EQ(read_whole_file(old), "older");
    EXPECT_TRUE(open.append_line("next\r\n"));
    EXPECT_TRUE(read_whole_file(old) == full + "last\n");
    EXPECT_TRUE(open.append_line("more\r\n"));
    EXPECT_EQ(read_whole_file(record), "next\r\nmore\r\n");
}

TEST(ChangeRecord, ARecordWithAnotherHardLinkIsNeitherWrittenNorRenamed) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string record = dir.write("changes.log", std::string(tuner::kRecordLimit, 'x'));
    ASSERT_TRUE(CreateHardLinkA((dir / "someone_elses.dat").c_str(), record.c_str(), nullptr));
    const std::string old = dir / "changes.old.log";
    EXPECT_FALSE(tuner::ChangeRecord(record.c_str(), old.c_str()).append_line("line\r\n"));
    EXPECT_EQ(read_whole_file(record).size(), tuner::kRecordLimit);
    EXPECT_EQ(GetFileAttributesA(old.c_str()), INVALID_FILE_ATTRIBUTES);
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
    logic::load_start_window(tuner::kMainWindowId);  // its created event adds the item
    char text[64] = {};
    GetMenuStringA(GetSystemMenu(FindWindowA(nullptr, "Trivane1.5.1"), FALSE), tuner::kShowRecordCommand, text,
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
