// The file routines of the Cross step and the log cleanup, on real folders.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/box_look.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/file_routines.h"

namespace {

using testing_support::TempDir;

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(Patterns, MatchLongNamesWithoutCase) {
    struct Row {
        const wchar_t* name;
        const wchar_t* pattern;
        bool matches;
    } rows[] = {
        {L"a.log", L"*.log", true},      {L"A.LOG", L"*.log", true},          {L"client.Log", L"*.log", true},
        {L".log", L"*.log", true},       {L"notes.logbook", L"*.log", false}, {L"log", L"*.log", false},
        {L"a.log.txt", L"*.log", false}, {L"a.b.log", L"*.log", true},        {L"x.lo", L"*.log", false},
        {L"abc", L"a?c", true},          {L"ac", L"a?c", false},              {L"abc", L"*", true},
        {L"日志.log", L"*.log", true},   {L"abcabd", L"*abd", true},          {L"aaa", L"a*a*a", true},
        {L"한국어.LOG", L"*.log", true},
    };
    for (const Row& r : rows) EXPECT_EQ(tuner::matches_pattern(r.name, r.pattern), r.matches) << r.name << " " << r.pattern;
}

// Below a drive root lies the whole drive; trailing backslashes do not change that.
TEST(Paths, ADriveRootIsALetterAndAColonAlone) {
    for (const char* root : {"D:", "D:\\", "d:\\\\", "Z:\\\\\\"}) EXPECT_TRUE(tuner::is_drive_root(root)) << root;
    for (const char* below : {"", "\\", "D", "D:\\Games", "D:Games", "1:", "DD:"})
        EXPECT_FALSE(tuner::is_drive_root(below)) << below;
}

class LogTree : public testing::Test {
protected:
    void SetUp() override {
        tuner_tests::start_tool_runtime();
        for (const char* file : {"a.log", "keep.txt", "notes.logbook", "Game\\x.LOG", "Game\\Logs\\deep\\y.log",
                                 "Game\\Logs\\deep\\z.cfg", ".hidden\\secret.log", "readonly.log"})
            dir_.write(file, "x");
        SetFileAttributesA((dir_ / "readonly.log").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    void TearDown() override { SetFileAttributesA((dir_ / "readonly.log").c_str(), FILE_ATTRIBUTE_NORMAL); }
    TempDir dir_;
};

TEST_F(LogTree, DeletesMatchingFilesAtEveryDepthAndKeepsTheRest) {
    logic::Text directory = logic::Text::copy(dir_.path().c_str());
    const rt::i32 deleted = tuner::delete_files_by_pattern(directory, "*.log", true, 5);
    EXPECT_EQ(deleted, 5 + 3);
    for (const char* gone : {"a.log", "Game\\x.LOG", "Game\\Logs\\deep\\y.log"}) EXPECT_FALSE(exists(dir_ / gone)) << gone;
    // Another name whose short alias ends in .LOG, a dot folder, a file that cannot go.
    for (const char* kept : {"keep.txt", "notes.logbook", "Game\\Logs\\deep\\z.cfg", ".hidden\\secret.log", "readonly.log"})
        EXPECT_TRUE(exists(dir_ / kept)) << kept;
    // The caller's variable keeps exactly one trailing backslash, also after a second run.
    EXPECT_TRUE(directory == (dir_.path() + "\\").c_str());
    EXPECT_EQ(tuner::delete_files_by_pattern(directory, "*.log", true, 0), 0);
    EXPECT_TRUE(directory == (dir_.path() + "\\").c_str());
}

TEST_F(LogTree, WithoutRecursionOnlyTheTopFolderIsCleaned) {
    logic::Text directory = logic::Text::copy(dir_.path().c_str());
    EXPECT_EQ(tuner::delete_files_by_pattern(directory, "*.log", false, 0), 1);
    EXPECT_TRUE(exists(dir_ / "Game\\x.LOG"));
}

TEST_F(LogTree, APatternWithoutADotIsRefusedWithATimedMessage) {
    testing_support::LookingAnswerer answerer(0);
    logic::Text directory = logic::Text::copy(dir_.path().c_str());
    EXPECT_EQ(tuner::delete_files_by_pattern(directory, "log", true, 7), 0);
    EXPECT_TRUE(exists(dir_ / "a.log"));
    EXPECT_TRUE(directory == dir_.path().c_str());  // not even normalised
    const auto boxes = answerer.answered();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "扩展名有错,请返回检查,格式请看参数说明");
    EXPECT_EQ(boxes[0].title, "友情提醒");
    EXPECT_EQ(boxes[0].icon_handle, nullptr);  // style 0: no icon
}

// Wine shows a timed box but never closes it by itself, so only what it shows is
// checked here.
TEST(TimedMessageBox, ShowsItsTextTitleAndStyleAndAnswersTheButtonMinusOne) {
    tuner_tests::start_tool_runtime();
    testing_support::BoxAnswerer answerer(IDNO);
    EXPECT_EQ(tuner::timed_message_box("要继续吗", MB_YESNO | MB_ICONQUESTION, "标题", std::nullopt, 60000), IDNO - 1);
    const auto boxes = answerer.answered();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "要继续吗");
    EXPECT_EQ(boxes[0].title, "标题");
    EXPECT_EQ(boxes[0].button_ids, (std::vector<int>{IDYES, IDNO}));
}

TEST(Directories, MakeDirectoryPathCreatesEveryMissingLevel) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string deep = dir / "新建\\b\\c";
    EXPECT_FALSE(tuner::is_directory(deep.c_str()));
    EXPECT_TRUE(tuner::make_directory_path(deep.c_str()));
    EXPECT_TRUE(tuner::is_directory(deep.c_str()));
    EXPECT_TRUE(tuner::make_directory_path(deep.c_str()));  // already there
    dir.write("file.txt", "x");
    EXPECT_FALSE(tuner::is_directory((dir / "file.txt").c_str()));
    EXPECT_FALSE(tuner::make_directory_path("C"));  // too short to hold a path
    EXPECT_FALSE(tuner::is_directory(""));
}

}  // namespace
