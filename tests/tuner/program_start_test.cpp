// What the platform is handed when the tool starts a program (powercfg, Notepad): the
// system's program by its full path, and the system directory to run in; and the
// power plan's record when powercfg cannot be started.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/change_record_tail.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/change_record.h"
#include "tuner/steps.h"
#include "tuner/tool_state.h"

namespace {

struct Start {
    std::string application, command_line, directory;
};
std::vector<Start> g_starts;

BOOL WINAPI refuse_to_start(const char* application, char* command_line, SECURITY_ATTRIBUTES*, SECURITY_ATTRIBUTES*,
                            BOOL, DWORD, void*, const char* directory, STARTUPINFOA*, PROCESS_INFORMATION*) {
    g_starts.push_back({application ? application : "", command_line ? command_line : "", directory ? directory : ""});
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
}

std::string system_directory() {
    char buffer[MAX_PATH] = {};
    GetSystemDirectoryA(buffer, MAX_PATH);
    return buffer;
}

TEST(PowerPlan, APowercfgThatCannotStartIsRecordedWithThePlatformsCode) {
    tuner_tests::start_tool_runtime();
    tuner::create_tool_state();  // the step asks whether the window has closed meanwhile
    const std::string powercfg = system_directory() + "\\powercfg.exe";
    const std::string duplicate =
        "\"" + powercfg + "\" -duplicatescheme e9a42b02-d5df-448d-aa00-03f14749eb61 613253b4-34dc-4c3f-9d78-1e4ffa5e82e1";
    const std::string activate = "\"" + powercfg + "\" /S 613253b4-34dc-4c3f-9d78-1e4ffa5e82e1";
    const testing_support::ChangeRecordTail tail;
    g_starts.clear();
    {
        const tuner_tests::StandIn refused(tuner::kCreateProcessA, reinterpret_cast<void*>(refuse_to_start));
        tuner::run_power_plan_step();
    }
    ASSERT_EQ(g_starts.size(), 2u);
    EXPECT_EQ(g_starts[0].command_line, duplicate);
    EXPECT_EQ(g_starts[1].command_line, activate);
    for (const Start& start : g_starts) {
        EXPECT_EQ(start.application, powercfg);
        EXPECT_EQ(start.directory, system_directory());
    }
    EXPECT_EQ(tail.lines_with(powercfg),
              (std::vector<std::string>{"运行\t" + duplicate + "\t失败 2", "运行\t" + activate + "\t失败 2"}));
}

TEST(ProgramStart, TheRecordOpensInTheSystemsNotepadRunFromTheSystemDirectory) {
    tuner_tests::start_tool_runtime();
    testing_support::TempDir dir;
    dir.write("changes.log", "line\r\n");
    const std::string record = dir / "changes.log";
    g_starts.clear();
    {
        const tuner_tests::StandIn refused(tuner::kCreateProcessA, reinterpret_cast<void*>(refuse_to_start));
        tuner::show_change_record(record.c_str());
    }
    ASSERT_EQ(g_starts.size(), 1u);
    const std::string notepad = system_directory() + "\\notepad.exe";
    EXPECT_EQ(g_starts[0].application, notepad);
    EXPECT_EQ(g_starts[0].command_line, "\"" + notepad + "\" \"" + record + "\"");
    EXPECT_EQ(g_starts[0].directory, system_directory());
}

}  // namespace
