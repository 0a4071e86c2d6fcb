// The drive box's searches in the real program, with stand-in walks: each drive change
// starts a search and returns; the newest search's result is the one shown, whichever
// ends last. Closing the window stops them: a search stuck in slow I/O never looks at
// its stop flag (the real walk looks at it at every entry, so a stand-in plays the
// stuck one), and the program still ends within its two seconds of grace, with exit
// code 0; searches that do stop end it at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>

#include "forms/window_system_install.h"
#include "logic/values.h"
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

// The first search ignores its stop flag and ends last, with a client of its own.
std::atomic<bool> g_second_done{false}, g_first_done{false};

char* first_ends_last(const char*, const std::atomic<bool>&) {
    if (++g_walks == 1) {
        while (!g_second_done) Sleep(10);
        Sleep(200);  // the second's result is taken by now
        g_first_done = true;
        return logic::Text::copy("X:\\first\\LeagueClient\\system.yaml").release();
    }
    g_second_done = true;
    return logic::Text::copy("X:\\second\\LeagueClient\\system.yaml").release();
}

BOOL CALLBACK report_install_text(HWND child, LPARAM) {
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    if (text[0] == 'X' && text[1] == ':') child_report(std::string("shown: ") + text + "\n");
    return TRUE;
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

// As a user, from a thread of its own: `times` drive changes in a row, each once the
// search before it has started. A sent change returns when its handler does, a posted
// one at once. False, reported, when there is no drive box or a search never started.
bool change_drive(void* ui_thread, int times, bool send, HWND& window) {
    const DWORD thread = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(ui_thread));
    HWND box = nullptr;
    for (int i = 0; i < 500 && !window; ++i, Sleep(10))
        EnumThreadWindows(thread, find_visible, reinterpret_cast<LPARAM>(&window));
    if (window) EnumChildWindows(window, find_combo_box, reinterpret_cast<LPARAM>(&box));
    if (!box) {
        child_report("no drive box\n");
        return false;
    }
    for (int change = 1; change <= times; ++change) {
        SendMessageA(box, CB_SETCURSEL, 0, 0);
        const WPARAM chosen = MAKEWPARAM(GetDlgCtrlID(box), CBN_SELENDOK);
        if (send)
            SendMessageA(GetParent(box), WM_COMMAND, chosen, reinterpret_cast<LPARAM>(box));
        else
            PostMessageA(GetParent(box), WM_COMMAND, chosen, reinterpret_cast<LPARAM>(box));
        if (!wait_until([](int n) { return g_walks >= n; }, change)) {
            child_report("search " + std::to_string(change) + " never started\n");
            return false;
        }
    }
    return true;
}

// Three drive changes, then the window's close; reports when it asked.
DWORD WINAPI change_drive_three_times_then_close(void* ui_thread) {
    HWND window = nullptr;
    if (!change_drive(ui_thread, 3, false, window)) return 1;
    child_report("closing at " + std::to_string(GetTickCount()) + "\n");
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

// Two drive changes; once both searches have ended, reports what the window shows of
// an install folder, then closes it.
DWORD WINAPI change_drive_twice_then_report(void* ui_thread) {
    HWND window = nullptr;
    if (!change_drive(ui_thread, 2, true, window)) return 1;
    if (!wait_until([](int) { return g_first_done.load(); }, 0)) child_report("the first search never ended\n");
    Sleep(500);  // its result has arrived
    EnumChildWindows(window, report_install_text, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

void* const kCallbacks[3] = {nullptr, nullptr, nullptr};

void run_tool_with(tuner::SearchWalk walk, LPTHREAD_START_ROUTINE user_actions = change_drive_three_times_then_close) {
    tuner::replace_search_walk(walk);
    forms::install_window_system();
    const UINT_PTR ui_thread = GetCurrentThreadId();
    HANDLE user = CreateThread(nullptr, 0, user_actions, reinterpret_cast<void*>(ui_thread), 0, nullptr);
    rt::run_program(tuner::program_info(), tuner::program_entry, kCallbacks);
    child_report("ended normally\n");
    CloseHandle(user);
}

TRIVANE_CHILD_SCENARIO(close_while_searches_are_stuck) { run_tool_with(stuck_walk); }
TRIVANE_CHILD_SCENARIO(close_while_searches_stop) { run_tool_with(stopping_walk); }
TRIVANE_CHILD_SCENARIO(newest_search_ends_first) { run_tool_with(first_ends_last, change_drive_twice_then_report); }

// A drive change returns at once: both are sent, not posted, and the first search
// cannot end before the second has. A superseded search that ends last shows nothing.
TEST(DriveSearch, TheNewestSearchsResultIsShownWhicheverEndsLast) {
    const testing_support::ChildResult r = testing_support::run_child("newest_search_ends_first");
    EXPECT_EQ(r.exit_code, 0u) << r.report;
    EXPECT_EQ(r.report, "shown: X:\\second\nended normally\n");
}

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
    EXPECT_LT(e.ms_after_close, 2000 + 1500) << "three searches, one deadline";
}

TEST(WindowClose, SearchesThatStopEndTheProgramAtOnce) {
    const Ending e = close_and_time("close_while_searches_stop");
    ASSERT_GE(e.ms_after_close, 0) << e.report;
    EXPECT_EQ(e.exit_code, 0u) << e.report;
    EXPECT_NE(e.report.find("ended normally"), std::string::npos) << e.report;
    EXPECT_LT(e.ms_after_close, 1500);
}

}  // namespace
