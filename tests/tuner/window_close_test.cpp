// Closing the window while searches run. Each drive change waits for its own search,
// nested in the handler of the change before it; a search stuck in slow I/O never
// looks at its stop flag. The real walk looks at it at every entry, so a stand-in walk
// plays the stuck one. The program still ends within its two seconds of grace, with
// exit code 0; searches that do stop end it at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>

#include "forms/window_system_install.h"
#include "runtime/process_entry.h"
#include "tests/support/child_process.h"
#include "tuner/install_search.h"
#include "tuner/program_entry.h"
#include "tuner/program_info.h"

namespace {

using testing_support::child_report;

std::atomic<int> g_walks{0};

char* stuck_walk(const char*, const std::atomic<bool>&) {
    ++g_walks;
    for (;;) Sleep(50);
}

char* stopping_walk(const char*, const std::atomic<bool>& stop) {
    ++g_walks;
    while (!stop) Sleep(20);
    return nullptr;
}

BOOL CALLBACK find_visible(HWND window, LPARAM found) {
    if (!IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK find_combo_box(HWND child, LPARAM found) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "ComboBox") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

bool wait_until(bool (*done)(int), int value) {
    for (int i = 0; i < 500; ++i) {
        if (done(value)) return true;
        Sleep(10);
    }
    return false;
}

// On a thread of its own, as a user: three drive changes in a row, each once the
// search before it walks, then the window's close; reports when it asked.
DWORD WINAPI change_drive_three_times_then_close(void* ui_thread) {
    const DWORD thread = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(ui_thread));
    HWND window = nullptr, box = nullptr;
    for (int i = 0; i < 500 && !window; ++i, Sleep(10))
        EnumThreadWindows(thread, find_visible, reinterpret_cast<LPARAM>(&window));
    if (window) EnumChildWindows(window, find_combo_box, reinterpret_cast<LPARAM>(&box));
    if (!box) {
        child_report("no drive box\n");
        return 1;
    }
    for (int change = 1; change <= 3; ++change) {
        SendMessageA(box, CB_SETCURSEL, 0, 0);
        PostMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(box));
        if (!wait_until([](int n) { return g_walks >= n; }, change)) {
            child_report("search " + std::to_string(change) + " never started\n");
            return 1;
        }
    }
    child_report("closing at " + std::to_string(GetTickCount()) + "\n");
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

void* const kCallbacks[3] = {nullptr, nullptr, nullptr};

void run_tool_with(tuner::SearchWalk walk) {
    tuner::replace_search_walk(walk);
    forms::install_window_system();
    const UINT_PTR ui_thread = GetCurrentThreadId();
    HANDLE user = CreateThread(nullptr, 0, change_drive_three_times_then_close, reinterpret_cast<void*>(ui_thread), 0,
                               nullptr);
    rt::run_program(tuner::program_info(), tuner::program_entry, kCallbacks);
    child_report("ended normally\n");
    CloseHandle(user);
}

TRIVANE_CHILD_SCENARIO(close_while_searches_are_stuck) { run_tool_with(stuck_walk); }
TRIVANE_CHILD_SCENARIO(close_while_searches_stop) { run_tool_with(stopping_walk); }

struct Ending {
    DWORD exit_code;
    std::string report;
    long ms_after_close;  // from the close request to the end of the process
};

Ending close_and_time(const char* scenario) {
    std::string report_path;
    PROCESS_INFORMATION child = testing_support::start_child(scenario, &report_path);
    WaitForSingleObject(child.hProcess, 30000);
    const DWORD ended = GetTickCount();
    const testing_support::ChildResult r = testing_support::finish_child(child, report_path, 0);
    const size_t at = r.report.find("closing at ");
    if (at == std::string::npos) return {r.exit_code, r.report, -1};
    const DWORD closed = static_cast<DWORD>(std::stoul(r.report.substr(at + 11)));
    return {r.exit_code, r.report, static_cast<long>(ended - closed)};
}

TEST(WindowClose, SearchesThatIgnoreTheirStopFlagEndTheProgramAtOneSharedDeadline) {
    const Ending e = close_and_time("close_while_searches_are_stuck");
    ASSERT_GE(e.ms_after_close, 0) << e.report;
    EXPECT_EQ(e.exit_code, 0u) << e.report;
    EXPECT_EQ(e.report.find("ended normally"), std::string::npos) << e.report;  // the searches never ended
    EXPECT_GE(e.ms_after_close, 1900) << "the searches had their grace";
    EXPECT_LT(e.ms_after_close, 2000 + 1500) << "three nested waits, one deadline";
}

TEST(WindowClose, SearchesThatStopEndTheProgramAtOnce) {
    const Ending e = close_and_time("close_while_searches_stop");
    ASSERT_GE(e.ms_after_close, 0) << e.report;
    EXPECT_EQ(e.exit_code, 0u) << e.report;
    EXPECT_NE(e.report.find("ended normally"), std::string::npos) << e.report;
    EXPECT_LT(e.ms_after_close, 1500);
}

}  // namespace
