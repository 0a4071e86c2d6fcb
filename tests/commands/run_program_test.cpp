// Run program with real child processes: this test executable started again in a
// scenario (which reports what it was given) and the system's command interpreter.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "logic/commands.h"
#include "runtime/platform_text.h"
#include "tests/commands/command_test_program.h"
#include "tests/support/child_process.h"
#include "tests/support/code_page_child.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wide_files.h"

namespace {

using testing_support::child_report;
using testing_support::read_whole_file;
using testing_support::TempDir;

TRIVANE_CHILD_SCENARIO(report_startup) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    child_report("flags=" + std::to_string(startup.dwFlags & STARTF_USESHOWWINDOW) +
                 " show=" + std::to_string(startup.wShowWindow));
}

TRIVANE_CHILD_SCENARIO(sleep_then_report) {
    Sleep(1500);
    child_report("done");
}

// The handles this process holds, counted in the system's handle table (Wine keeps
// no per-process handle count). Each entry: owner id, type, flags, handle, object, access.
int own_handle_count() {
    using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation"));
    std::vector<ULONG> table(1 << 20);
    ULONG length = 0;
    if (!query || query(16, table.data(), static_cast<ULONG>(table.size() * 4), &length) != 0) return -1;
    int own = 0;
    for (ULONG i = 0; i < table[0]; ++i) own += table[1 + 4 * i] == GetCurrentProcessId();
    return own;
}

std::wstring this_program_file() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, n);
}

std::string this_program() { return rt::from_platform(this_program_file().c_str()); }

// This executable in `scenario`, reporting into `report`.
std::string scenario_line(const char* scenario, const std::string& report) {
    return "\"" + this_program() + "\" --child=" + scenario + " \"--report=" + report + "\"";
}

TEST(RunProgram, ShowModesReachTheNewProcess) {
    struct Case {
        std::optional<int> mode;
        int show;
    };
    const Case cases[] = {
        {std::nullopt, SW_SHOWNORMAL}, {0, SW_HIDE},           {1, SW_HIDE},        {2, SW_SHOWNORMAL},
        {3, SW_SHOWMINIMIZED},         {4, SW_SHOWMAXIMIZED},  {5, SW_SHOWNOACTIVATE}, {6, SW_MINIMIZE},
        {9, SW_MINIMIZE},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string report = dir / "startup.txt";
        DeleteFileW(rt::to_platform(report).c_str());
        EXPECT_TRUE(logic::run_program(scenario_line("report_startup", report).c_str(), true, c.mode));
        EXPECT_EQ(read_whole_file(report), "flags=1 show=" + std::to_string(c.show))
            << "mode " << (c.mode ? *c.mode : -1);
    }
}

TEST(RunProgram, WaitingReturnsWhenTheProgramHasEnded) {
    TempDir dir;
    const std::string report = dir / "done.txt";
    const DWORD start = GetTickCount();
    EXPECT_TRUE(logic::run_program(scenario_line("sleep_then_report", report).c_str(), true));
    EXPECT_GE(GetTickCount() - start, 1300u);
    EXPECT_EQ(read_whole_file(report), "done");
}

TEST(RunProgram, NotWaitingReturnsWhileTheProgramRuns) {
    TempDir dir;
    const std::string report = dir / "done.txt";
    const DWORD start = GetTickCount();
    EXPECT_TRUE(logic::run_program(scenario_line("sleep_then_report", report).c_str(), false));
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(read_whole_file(report), "");
    for (int i = 0; i < 100 && read_whole_file(report).empty(); ++i) Sleep(50);
    EXPECT_EQ(read_whole_file(report), "done");
}

TEST(RunProgram, CommandInterpreterLinesRunAndExitCodesAreNotLookedAt) {
    TempDir dir;
    const std::string out = dir / "out.txt";
    EXPECT_TRUE(logic::run_program(("cmd /c echo powercfg>\"" + out + "\"").c_str(), true, 1));
    EXPECT_EQ(read_whole_file(out), "powercfg\r\n");
    EXPECT_TRUE(logic::run_program("cmd /c exit 3", true, 1));
}

TEST(RunProgram, MissingProgramAnswersFalse) {
    EXPECT_FALSE(logic::run_program("no_such_program_trivane.exe /x", true));
    EXPECT_FALSE(logic::run_program("", true));
}

// A copy of this executable in a folder with Chinese characters (乗's second byte is a
// backslash) started by its GBK path; what it was told to report says it ran.
std::string start_from_chinese_folder() {
    testing_support::WideTempDir dir;
    CreateDirectoryW((dir / L"程序乗").c_str(), nullptr);
    if (!CopyFileW(this_program_file().c_str(), (dir / L"程序乗\\测试乗.exe").c_str(), FALSE)) return "not copied\n";
    const std::string program = dir.gbk() + "\\程序乗\\测试乗.exe";
    const std::string report = dir.gbk() + "\\startup.txt";
    const std::string line = "\"" + program + "\" --child=report_startup \"--report=" + report + "\"";
    const bool started = logic::run_program(line.c_str(), true, 1);
    return std::string(started ? "started" : "not started") + ": " + dir.read(L"startup.txt") + "\n";
}

TRIVANE_CHILD_SCENARIO(start_from_chinese_folder) {
    command_tests::start_command_runtime();
    testing_support::report_with_code_page(start_from_chinese_folder());
}

TEST(RunProgram, StartsAProgramFromAChineseFolderInEitherCodePage) {
    const std::string expected = "started: flags=1 show=0\n";
    EXPECT_EQ(start_from_chinese_folder(), expected);
    EXPECT_EQ(testing_support::run_child_in_locale("start_from_chinese_folder", testing_support::kWesternLocale, 40000),
              "code page 1252\n" + expected);
}

TEST(RunProgram, ClosesBothHandlesOfTheNewProcess) {
    const int before = own_handle_count();
    ASSERT_GT(before, 0);
    EXPECT_TRUE(logic::run_program("cmd /c exit 0", true, 1));
    EXPECT_TRUE(logic::run_program("cmd /c exit 0", false, 1));
    EXPECT_EQ(own_handle_count(), before);
}

}  // namespace
