// Trivane on an English Windows, whose ANSI code page is 1252 (see code_page_fixture.h
// for how the suite gets it). The tool holds its texts in GBK; they must still reach
// the platform as the Chinese characters they are, a client in a Chinese folder must be
// found, and logs named in characters GBK cannot hold must be deleted and recorded by
// their own names. Every text is read back in UTF-16 and compared with the code page
// 936 reading of the tool's own GBK texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/components/drive_box_list.h"
#include "tests/e2e/code_page_fixture.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/template_captions.h"
#include "tests/e2e/tool_boxes.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/code_pages.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"
#include "tuner/texts.h"

namespace {

using e2e::shown;
using testing_support::utf8_from_wide;
using testing_support::wide_from_gbk;

class CodePage1252 : public e2e::CodePageTest {
protected:
    CodePage1252() : CodePageTest(1252) {}

    void SetUp() override {
        CodePageTest::SetUp();
        if (!HasFatalFailure()) e2e::lay_out_client(install_);
    }

    const std::wstring install_ = L"X:\\WeGameApps\\" + wide_from_gbk("英雄联盟");
};

// The records of the window whose captions the platform shows, by the control the
// loader gives each.
const struct {
    const char* code;
    int control;
} kCaptioned[] = {
    {"kOptimizeGroup", e2e::kOptimizeGroup},
    {"kOptimizeButton", e2e::kOptimizeButton},
    {"kHomeGroup", e2e::kHomeGroup},
    {"kHomeReplaceButton", e2e::kHomeReplaceButton},
    {"kBlankRadio", e2e::kBlankRadio},
    {"kPublisherRadio", e2e::kPublisherRadio},
    {"kDriveLabel", e2e::kDrivePromptLabel},
    {"kPromptLabel", e2e::kPromptLabel},
    {"kHomeRestoreButton", e2e::kHomeRestoreButton},
    {"kDx11Box", e2e::kDx11Box},
    {"kCrossBox", e2e::kCrossBox},
    {"kLogBox", e2e::kLogBox},
    {"kSelectAllBox", e2e::kSelectAllBox},
    {"kPowerBox", e2e::kPowerBox},
    {"kRestoreButton", e2e::kDx11RestoreButton},
};

// A drive's entry as the drive box makes it, from what the platform says of the drive.
std::wstring expected_drive_entry(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', 0};
    wchar_t label[MAX_PATH + 1] = {};
    const UINT type = GetDriveTypeW(root);
    if (type == DRIVE_FIXED) GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    return wide_from_gbk(
        forms::drive_entry_text(static_cast<char>(letter), type, testing_support::gbk_from_wide(label)));
}

TEST_F(CodePage1252, TheWindowShowsItsCaptionsAndDriveEntriesInChinese) {
    auto tool = start();
    ASSERT_TRUE(tool->started());
    wchar_t title[64] = {};
    GetWindowTextW(tool->window(), title, 64);
    EXPECT_EQ(title, e2e::template_caption("kWindowItself"));
    for (const auto& c : kCaptioned)
        EXPECT_TRUE(tool->wide_text(c.control) == e2e::template_caption(c.code))
            << c.code << " shows \"" << shown(*tool, c.control) << "\"";

    bool listed = false;
    for (const std::wstring& entry : tool->wide_drive_entries()) {
        ASSERT_FALSE(entry.empty());
        EXPECT_TRUE(entry == expected_drive_entry(entry[0])) << utf8_from_wide(entry);
        listed = listed || entry[0] == L'X';
    }
    EXPECT_TRUE(listed) << "drive X: is not listed";

    // The folder the search found.
    ASSERT_TRUE(tool->choose_drive('X'));
    EXPECT_TRUE(tool->wait_for_wide_text(e2e::kPromptLabel, install_))
        << "the prompt shows \"" << shown(*tool, e2e::kPromptLabel) << "\"";
    EXPECT_EQ(tool->close(), 0u);
}

TEST_F(CodePage1252, MessageBoxesShowTheirTextsAndTitlesInChinese) {
    auto tool = start();
    ASSERT_TRUE(tool->started());
    e2e::expect_box(e2e::press(*tool, e2e::kOptimizeButton), tuner::kNoDriveChosen, tuner::kFriendlyTip);

    ASSERT_TRUE(tool->choose_drive('X'));
    ASSERT_TRUE(tool->wait_for_wide_text(e2e::kPromptLabel, install_))
        << "the prompt shows \"" << shown(*tool, e2e::kPromptLabel) << "\"";
    e2e::expect_box(e2e::press(*tool, e2e::kHomeRestoreButton), tuner::kNoBackup, tuner::kWarning);
    EXPECT_EQ(tool->close(), 0u);
}

TEST_F(CodePage1252, AClientInAChineseFolderIsFoundAndItsDx11ModeSwitched) {
    auto tool = start_and_find(install_);
    tool->click(e2e::kDx11Box);
    EXPECT_TRUE(e2e::press(*tool, e2e::kOptimizeButton).empty());
    EXPECT_EQ(testing_support::read_whole_file(install_ + L"\\Game\\Config\\game.cfg.bak"), e2e::kGameCfg);
    const std::string on = testing_support::read_whole_file(install_ + L"\\Game\\Config\\game.cfg");
    EXPECT_NE(on.find("[General]\r\nWidth=1920\r\nHeight=1080\r\nDX11BetaTest=1\r\n"), std::string::npos) << on;
    EXPECT_EQ(tool->close(), 0u);
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Names GBK cannot hold: the cleanup deletes those logs by their own names (a '?' in
// their place would name no file) and records them in UTF-8.
TEST_F(CodePage1252, LogsNamedBeyondGbkAreDeletedAndRecordedByTheirNames) {
    const std::vector<std::wstring> logs = {install_ + L"\\Game\\Logs\\한국어.log", install_ + L"\\😀.log",
                                            install_ + L"\\LeagueClient\\" + wide_from_gbk("日志") + L".log"};
    const std::vector<std::wstring> kept = {install_ + L"\\Game\\Logs\\한국어.txt", install_ + L"\\😀.log.txt"};
    for (const auto* files : {&logs, &kept})
        for (const std::wstring& file : *files) testing_support::write_file(file, "log");
    // A fresh record, so that it begins as the tool writes it.
    DeleteFileA(testing_support::ChangeRecordTail::path().c_str());
    const testing_support::ChangeRecordTail tail;

    auto tool = start_and_find(install_);
    tool->click(e2e::kLogBox);
    {
        testing_support::BoxAnswerer answerer(IDOK, tool->pid());
        tool->click(e2e::kOptimizeButton);
    }
    EXPECT_TRUE(tool->wait_for_wide_text(e2e::kResultLabel, wide_from_gbk(tuner::kLogsCleared)))
        << "the result label shows \"" << shown(*tool, e2e::kResultLabel) << "\"";
    EXPECT_EQ(tool->close(), 0u);

    for (const std::wstring& log : logs) EXPECT_FALSE(exists(log)) << utf8_from_wide(log);
    for (const std::wstring& file : kept) EXPECT_TRUE(exists(file)) << utf8_from_wide(file);
    const std::string record = testing_support::read_whole_file(testing_support::ChangeRecordTail::path());
    EXPECT_EQ(record.substr(0, 3), "\xEF\xBB\xBF") << "the record does not begin with the UTF-8 byte-order mark";
    for (const std::wstring& log : logs) {
        const std::wstring line =
            wide_from_gbk(tuner::kRecordDelete) + L"\t" + log + L"\t" + wide_from_gbk(tuner::kRecordDone);
        EXPECT_TRUE(tail.wide_lines_with(log) == std::vector<std::wstring>{line})
            << "no single record line of " << utf8_from_wide(log);
    }
}

}  // namespace
