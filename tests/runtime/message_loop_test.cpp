// The message loop: idle phase with idle callbacks and window idle offers, its modal
// form, and processing of pending messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "logic/calls.h"
#include "runtime/application.h"
#include "runtime/at_exit.h"
#include "runtime/message_loop.h"
#include "runtime/window_system.h"
#include "tests/runtime/test_program.h"
#include "tests/support/child_process.h"
#include "tests/support/quit_message.h"

namespace {

using testing_support::child_report;

// A plain window whose procedure counts WM_USER and may run one action on it, and
// keeps the characters it receives.
int g_user_messages = 0;
void (*g_on_user)() = nullptr;
std::wstring g_characters;
LRESULT CALLBACK counting_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_CHAR) g_characters += static_cast<wchar_t>(wp);
    if (m == WM_USER) {
        ++g_user_messages;
        if (g_on_user) g_on_user();
        return 0;
    }
    return DefWindowProcW(w, m, wp, lp);
}

HWND make_window() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = counting_proc;
        wc.lpszClassName = L"LoopTestWindow";
        RegisterClassW(&wc);
        registered = true;
    }
    return CreateWindowExW(0, L"LoopTestWindow", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

void drain_quit() {
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}

TEST(PendingMessages, AreDispatchedUntilTheQuitMessageWhichStaysQueued) {
    HWND w = make_window();
    g_user_messages = 0;
    PostMessageW(w, WM_USER, 0, 0);
    PostMessageW(w, WM_USER, 0, 0);
    PostQuitMessage(3);
    rt::process_pending_messages();
    EXPECT_EQ(g_user_messages, 2);
    testing_support::expect_quit_message_first(3u);
    DestroyWindow(w);
}

TEST(ModalLoop, ReturnsWhenTheModalWindowIdIsClearedAndRestoresTheOldId) {
    rt::Application& a = rt::app();
    a.modal_window_id = 0x52010009;
    HWND w = make_window();
    g_user_messages = 0;
    g_on_user = [] {
        if (g_user_messages == 3) rt::app().modal_window_id = 0;  // the modal window was unloaded
    };
    for (int i = 0; i < 5; ++i) PostMessageW(w, WM_USER, 0, 0);
    rt::run_modal_loop(0x52010002);
    g_on_user = nullptr;
    EXPECT_EQ(g_user_messages, 3);  // returned right after the message that cleared it
    EXPECT_EQ(a.modal_window_id, 0x52010009u);
    rt::process_pending_messages();
    a.modal_window_id = 0;
    DestroyWindow(w);
}

// A character reaches a Unicode window through either form of the loop as it was
// queued, also one that the system's code page cannot hold (한) or holds in two
// bytes (乗).
TEST(MessageLoop, CharactersReachTheWindowAsTheyWereQueued) {
    rt::Application& a = rt::app();
    HWND w = make_window();
    ASSERT_TRUE(IsWindowUnicode(w));
    const std::wstring typed = L"a\u4E57\uD55C";
    const struct {
        const char* loop;
        void (*run)();
    } loops[] = {
        {"pending messages", [] { rt::process_pending_messages(); }},
        {"modal loop", [] { rt::run_modal_loop(0x52010002); }},
    };
    for (const auto& l : loops) {
        g_characters.clear();
        g_on_user = [] { rt::app().modal_window_id = 0; };
        for (wchar_t c : typed) PostMessageW(w, WM_CHAR, c, 1);
        PostMessageW(w, WM_USER, 0, 0);
        l.run();
        g_on_user = nullptr;
        EXPECT_EQ(g_characters, typed) << l.loop;
    }
    a.modal_window_id = 0;
    DestroyWindow(w);
}

TEST(ModalLoop, LeavesAQuitMessageForTheOuterLoop) {
    HWND w = make_window();
    PostQuitMessage(0);
    rt::run_modal_loop(0x52010002);
    MSG m;
    EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    drain_quit();
    DestroyWindow(w);
}

// ---- idle callbacks removed while the list is walked ----------------------------------

struct RemovalCase {
    rt::u32 remover, removed;  // entries by argument: 0 "one", 1 "two", 2 "three"
    const char* first_pass;
    const char* second_pass;
};
const RemovalCase* g_removal = nullptr;
HWND g_idle_windows[3];
std::string g_idle_trace;

void removing_idle(rt::u32 argument) {
    static const char* const names[] = {"one", "two", "three"};
    g_idle_trace += std::string(g_idle_trace.empty() ? "" : " ") + names[argument];
    if (argument == g_removal->remover) rt::remove_idle_callback(g_idle_windows[g_removal->removed]);
}

TEST(IdleCallbacks, OneRemovedDuringAPassRunsNoMoreAndTheOthersRunOnce) {
    const RemovalCase cases[] = {
        {2, 0, "three two", "three two"},          // "three" runs first and removes "one", below it
        {1, 2, "three two one", "two one"},        // "two" removes "three", which already ran
        {1, 1, "three two one", "three one"},      // "two" removes itself
    };
    for (const RemovalCase& c : cases) {
        g_removal = &c;
        rt::app().idle_callbacks.clear();
        for (rt::u32 i = 0; i < 3; ++i) {
            g_idle_windows[i] = make_window();
            rt::add_idle_callback({g_idle_windows[i], removing_idle, i});
        }
        g_idle_trace.clear();
        rt::run_idle_callbacks();
        EXPECT_EQ(g_idle_trace, c.first_pass);
        g_idle_trace.clear();
        rt::run_idle_callbacks();
        EXPECT_EQ(g_idle_trace, c.second_pass);
        for (HWND w : g_idle_windows) DestroyWindow(w);
    }
    rt::app().idle_callbacks.clear();
}

// ---- the outer loop, in a child with a stand-in window system ---------------------

HWND g_first, g_second;
std::vector<std::string> g_calls;
int g_first_calls = 0;

void first_idle(rt::u32 argument) {
    g_calls.push_back("first " + std::to_string(argument));
    if (++g_first_calls == 1) {
        DestroyWindow(g_second);
        PostMessageW(g_first, WM_USER, 0, 0);  // user activity: the idle phase starts again
    } else {
        PostQuitMessage(0);
    }
}
void second_idle(rt::u32 argument) { g_calls.push_back("second " + std::to_string(argument)); }

bool always_alive() { return true; }
std::vector<rt::u32> no_windows() { return {}; }
bool never(rt::u32, rt::u32) { return false; }

TRIVANE_CHILD_SCENARIO(idle_callbacks_in_loop) {
    static const rt::WindowSystem ws = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                        always_alive, nullptr, no_windows, never, nullptr};
    rt::install_window_system(&ws);
    runtime_tests::start_test_runtime();
    g_first = make_window();
    g_second = make_window();
    rt::add_idle_callback({g_first, first_idle, 1});
    rt::add_idle_callback({g_second, second_idle, 2});
    logic::run_message_loop();
    for (const std::string& call : g_calls) child_report(call + "\n");
    child_report("left " + std::to_string(rt::app().idle_callbacks.size()) + " loop " +
                 (rt::g_loop_entered ? "entered" : "not entered") + "\n");
    ExitProcess(0);
}

TEST(MessageLoop, IdleCallbacksRunLastFirstAndThoseOfGoneWindowsAreDropped) {
    const auto r = testing_support::run_child("idle_callbacks_in_loop");
    EXPECT_EQ(r.exit_code, 0u);
    EXPECT_EQ(r.report,
              "notify 1 service 0\n"
              "second 2\nfirst 1\n"  // registered order reversed
              "first 1\n"            // the second window is gone: never called again
              "left 1 loop entered\n");
}

bool never_alive() { return false; }

TRIVANE_CHILD_SCENARIO(loop_without_windows) {
    static const rt::WindowSystem ws = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                        never_alive, nullptr, no_windows, never, nullptr};
    rt::install_window_system(&ws);
    runtime_tests::start_test_runtime();
    PostQuitMessage(0);
    logic::run_message_loop();
    MSG m;
    child_report(std::string("returned, quit ") +
                 (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) ? "still queued" : "taken") + ", loop " +
                 (rt::g_loop_entered ? "entered" : "not entered") + "\n");
    ExitProcess(0);
}

TEST(MessageLoop, WithNoLiveWindowTheLoopIsSkipped) {
    const auto r = testing_support::run_child("loop_without_windows");
    EXPECT_EQ(r.report, "notify 1 service 0\nreturned, quit still queued, loop entered\n");
}

// Idle offers: window 1 accepts twice, window 2 always declines.
std::vector<std::string> g_offers;
int g_window_one_accepts = 2;
std::vector<rt::u32> two_windows() { return {0x52010001, 0x52010002}; }
bool offer(rt::u32 id, rt::u32 elapsed) {
    g_offers.push_back(std::to_string(id & 0xF) + (elapsed < 60000 ? "" : "?"));
    return id == 0x52010001 && g_window_one_accepts-- > 0;
}

TRIVANE_CHILD_SCENARIO(idle_offers) {
    static const rt::WindowSystem ws = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                        always_alive, nullptr, two_windows, offer, nullptr};
    rt::install_window_system(&ws);
    std::string results;
    for (int count : {0, 1, 2, 3, 4, 0, 1, 2}) {
        g_offers.clear();
        if (count == 0) g_window_one_accepts = results.empty() ? 2 : 0;  // a second period: none accept
        const bool more = rt::application_idle(count);
        results += std::to_string(count) + (more ? "+" : "-") + "[";
        for (const std::string& o : g_offers) results += o;
        results += "] ";
    }
    child_report(results);
    ExitProcess(0);
}

TEST(MessageLoop, WindowsThatDeclineIdleTimeAreNotAskedAgainUntilTheNextPeriod) {
    const auto r = testing_support::run_child("idle_offers");
    // Counts 0 and 1 are the framework's; from 2 on the windows are offered the time.
    EXPECT_EQ(r.report, "0+[] 1+[] 2+[12] 3+[1] 4-[1] 0+[] 1+[] 2-[12] ");
}

}  // namespace
