// What the platform is handed when the tool starts a program (powercfg, Notepad): the
// system's program by its full path, and the system directory to run in, all in
// UTF-16; and the power plan's record when powercfg cannot be started.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

#include "data/version.h"
#include "forms/window_system_install.h"
#include "logic/calls.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tests/tuner/wide_names.h"
#include "tuner/change_record.h"
#include "tuner/main_window_ids.h"
#include "tuner/program_start.h"
#include "tuner/record_menu.h"
#include "tuner/steps.h"
#include "tuner/tool_state.h"

namespace {

using testing_support::child_report;
using tuner_tests::utf8;
using tuner_tests::wide;

// What the platform was handed, in UTF-8.
struct Start {
    std::string application, command_line, directory;
};
std::vector<Start> g_starts;

BOOL WINAPI refuse_to_start(const wchar_t* application, wchar_t* command_line, SECURITY_ATTRIBUTES*,
                            SECURITY_ATTRIBUTES*, BOOL, DWORD, void*, const wchar_t* directory, STARTUPINFOW*,
                            PROCESS_INFORMATION*) {
    g_starts.push_back({utf8(application ? application : L""), utf8(command_line ? command_line : L""),
                        utf8(directory ? directory : L"")});
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
}

std::wstring system_directory() {
    wchar_t buffer[MAX_PATH] = {};
    GetSystemDirectoryW(buffer, MAX_PATH);
    return buffer;
}

TEST(PowerPlan, APowercfgThatCannotStartIsRecordedWithThePlatformsCode) {
    tuner_tests::start_tool_runtime();
    tuner::create_tool_state();  // the step asks whether the window has closed meanwhile
    const std::wstring powercfg = system_directory() + L"\\powercfg.exe";
    const std::wstring duplicate = L"\"" + powercfg +
                                   L"\" -duplicatescheme e9a42b02-d5df-448d-aa00-03f14749eb61 "
                                   L"613253b4-34dc-4c3f-9d78-1e4ffa5e82e1";
    const std::wstring activate = L"\"" + powercfg + L"\" /S 613253b4-34dc-4c3f-9d78-1e4ffa5e82e1";
    const testing_support::ChangeRecordTail tail;
    g_starts.clear();
    {
        const tuner_tests::StandIn refused(tuner::kCreateProcessW, reinterpret_cast<void*>(refuse_to_start));
        tuner::run_power_plan_step();
    }
    ASSERT_EQ(g_starts.size(), 2u);
    EXPECT_EQ(g_starts[0].command_line, utf8(duplicate));
    EXPECT_EQ(g_starts[1].command_line, utf8(activate));
    for (const Start& start : g_starts) {
        EXPECT_EQ(start.application, utf8(powercfg));
        EXPECT_EQ(start.directory, utf8(system_directory()));
    }
    // The prefix's system directory is ASCII: the same bytes in every encoding.
    EXPECT_EQ(tail.lines_with(utf8(powercfg)),
              (std::vector<std::string>{"运行\t" + utf8(duplicate) + "\t失败 2", "运行\t" + utf8(activate) + "\t失败 2"}));
}

TEST(ProgramStart, TheRecordOpensInTheSystemsNotepadRunFromTheSystemDirectory) {
    tuner_tests::start_tool_runtime();
    testing_support::TempDir dir;
    const std::string record = dir / "记录\\changes.log";  // its folder named in Chinese
    tuner_tests::write_wide_file(wide(record), "line\r\n");
    g_starts.clear();
    {
        const tuner_tests::StandIn refused(tuner::kCreateProcessW, reinterpret_cast<void*>(refuse_to_start));
        tuner::show_change_record(record.c_str());
    }
    ASSERT_EQ(g_starts.size(), 1u);
    const std::wstring notepad = system_directory() + L"\\notepad.exe";
    EXPECT_EQ(g_starts[0].application, utf8(notepad));
    const std::wstring record_named = wide(dir.path()) + L"\\\u8BB0\u5F55\\changes.log";
    EXPECT_EQ(g_starts[0].command_line, utf8(L"\"" + notepad + L"\" \"" + record_named + L"\""));
    EXPECT_EQ(g_starts[0].directory, utf8(system_directory()));
}

// A command without its full path (the system directory could not be read) starts
// nothing: the platform would look for the line's first word itself.
TEST(ProgramStart, NothingStartsWithoutAFullPath) {
    tuner_tests::start_tool_runtime();
    g_starts.clear();
    const tuner_tests::StandIn refused(tuner::kCreateProcessW, reinterpret_cast<void*>(refuse_to_start));
    tuner::ProgramCommand bare;
    bare.command_line = logic::Text::copy("notepad.exe");
    const tuner::StartedProgram started = tuner::start_program(bare, {0x04019002, 1});
    EXPECT_FALSE(started.process);
    EXPECT_EQ(started.error, static_cast<rt::u32>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(g_starts.empty());
}

// The prefix's own change record, made (empty) when there is none yet.
std::wstring users_record() {
    wchar_t base[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, base);
    const std::wstring folder = std::wstring(base) + L"\\Trivane";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring record = folder + L"\\changes.log";
    CloseHandle(CreateFileW(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            0, nullptr));
    return record;
}

// The main window with its item, in a child: the item's text, a title set in UTF-16
// read back (every other message passes on whole), and what choosing the item starts.
TRIVANE_CHILD_SCENARIO(record_menu_opens_the_record) {
    users_record();
    forms::install_window_system();
    tuner_tests::start_tool_runtime();
    tuner::create_tool_state();  // the window's handlers share it
    logic::load_start_window(tuner::kMainWindowId);  // its created event adds the item
    const HWND window = FindWindowW(nullptr, tuner_tests::wide("Trivane" TRIVANE_VERSION_TEXT).c_str());
    wchar_t text[64] = {};
    GetMenuStringW(GetSystemMenu(window, FALSE), tuner::kShowRecordCommand, text, 64, MF_BYCOMMAND);
    child_report("item: " + utf8(text) + "\n");
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\u8BB0\u5F55"));
    GetWindowTextW(window, text, 64);
    child_report("title: " + utf8(text) + "\n");
    g_starts.clear();
    {
        const tuner_tests::StandIn refused(tuner::kCreateProcessW, reinterpret_cast<void*>(refuse_to_start));
        SendMessageW(window, WM_SYSCOMMAND, tuner::kShowRecordCommand, 0);
    }
    for (const Start& start : g_starts) child_report("start: " + start.application + " " + start.command_line + "\n");
}

TEST(ProgramStart, TheSystemMenuItemOpensTheRecordInNotepad) {
    const std::wstring notepad = system_directory() + L"\\notepad.exe";
    const std::wstring opened = notepad + L" \"" + notepad + L"\" \"" + users_record() + L"\"";
    EXPECT_EQ(testing_support::run_child("record_menu_opens_the_record").report,
              utf8(L"item: \u67E5\u770B\u66F4\u6539\u8BB0\u5F55\n"  // 查看更改记录
                   L"title: \u8BB0\u5F55\n"
                   L"start: " + opened + L"\n"));
}

}  // namespace
