// Message box against real dialogs answered by a watcher thread; delay and process
// events against the thread's real message queue.
#include <gtest/gtest.h>
#include <windows.h>

#include "commands/window_owner.h"
#include "runtime/library_service.h"
#include "runtime/logic/commands.h"
#include "runtime/window_system.h"
#include "tests/commands/box_watcher.h"

namespace {

using command_tests::BoxWatcher;
using command_tests::probe_window;
using command_tests::SeenBox;

std::vector<int> buttons(std::initializer_list<int> ids) { return ids; }

TEST(MessageBoxCommand, OmittedTitleErrorIconAndTaskModal) {
    BoxWatcher watcher(IDOK, probe_window());
    EXPECT_EQ(logic::message_box("请先选择驱动器", 0x10), 0);
    const SeenBox& box = watcher.seen();
    ASSERT_TRUE(box.appeared);
    EXPECT_EQ(box.title, "信息：");
    EXPECT_EQ(box.text, "请先选择驱动器");
    EXPECT_EQ(box.icon, LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND)));
    EXPECT_EQ(box.visible_buttons, buttons({IDOK}));
    EXPECT_EQ(box.owner, nullptr);
    // Task-modal: the thread's own windows are disabled while the box is up.
    EXPECT_FALSE(box.probe_enabled);
    EXPECT_FALSE(box.ex_style & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowEnabled(probe_window()));
}

TEST(MessageBoxCommand, SystemModalStyleIsPassedUnchanged) {
    BoxWatcher watcher(IDOK, probe_window());
    EXPECT_EQ(logic::message_box("text", 0x1010, "标题"), 0);
    const SeenBox& box = watcher.seen();
    ASSERT_TRUE(box.appeared);
    EXPECT_EQ(box.title, "标题");
    EXPECT_TRUE(box.ex_style & WS_EX_TOPMOST);
    EXPECT_TRUE(box.probe_enabled);  // not task-modal
}

TEST(MessageBoxCommand, TaskModalFlagIsAddedNotOred) {
    // 0x2000 + 0x2000 = 0x4000: the help button, and no task-modal box.
    BoxWatcher watcher(IDOK, probe_window());
    EXPECT_EQ(logic::message_box("text", 0x2000, "t"), 0);
    const SeenBox& box = watcher.seen();
    ASSERT_TRUE(box.appeared);
    EXPECT_EQ(box.visible_buttons, buttons({IDOK, IDHELP}));
    EXPECT_TRUE(box.probe_enabled);
}

TEST(MessageBoxCommand, ButtonsMapToResultCodes) {
    struct Case {
        int style;
        int press;
        int result;
    };
    const Case cases[] = {
        {MB_OKCANCEL, IDCANCEL, 1}, {MB_ABORTRETRYIGNORE, IDABORT, 2}, {MB_RETRYCANCEL, IDRETRY, 3},
        {MB_ABORTRETRYIGNORE, IDIGNORE, 4}, {MB_YESNO, IDYES, 5}, {MB_YESNOCANCEL, IDNO, 6},
    };
    for (const Case& c : cases) {
        BoxWatcher watcher(c.press);
        EXPECT_EQ(logic::message_box("?", c.style, "t"), c.result) << "style " << c.style << " press " << c.press;
        EXPECT_TRUE(watcher.seen().appeared);
    }
}

// The value to show, by kind (every kind's text form is checked through to text,
// which shares it).
TEST(MessageBoxCommand, ShowsEveryBasicKindAsText) {
    struct Case {
        rt::ArgRecord value;
        const char* shown;
    };
    const logic::Bytes bytes = logic::Bytes::copy_of("ab", 2);
    const Case cases[] = {
        {logic::arg_bool(true), "真"},
        {logic::arg_int(-5), "-5"},
        {logic::arg_date_time(45000.5), "2023年3月15日12时"},
        {logic::arg_bytes(bytes.get()), ""},
    };
    for (const Case& c : cases) {
        BoxWatcher watcher(IDOK);
        logic::message_box(c.value, 0, logic::arg_text("t"));
        EXPECT_EQ(watcher.seen().text, c.shown);
    }
}

TEST(MessageBoxCommand, IntegerOwnerIsUsedAsTheOwnerWindow) {
    BoxWatcher watcher(IDOK);
    logic::message_box(logic::arg_text("x"), 0, logic::arg_text("t"),
                       logic::arg_int(static_cast<rt::i32>(reinterpret_cast<rt::u32>(probe_window()))));
    ASSERT_TRUE(watcher.seen().appeared);
    EXPECT_EQ(watcher.seen().owner, probe_window());
}

TEST(MessageBoxCommand, FailingBoxReadsAsOk) {
    // An owner handle that names no window: the platform refuses the box.
    BoxWatcher watcher(IDCANCEL, nullptr, 1500);
    EXPECT_EQ(logic::message_box(logic::arg_text("x"), MB_OKCANCEL, logic::arg_text("t"), logic::arg_int(0x7FFF0)), 0);
    EXPECT_FALSE(watcher.seen().appeared);
}

// A stand-in window system that knows one loaded window, and the reader that turns
// its object into the platform window.
constexpr rt::u32 kLoadedWindowId = 0x52010001;
struct FakeWindowObject {
    HWND window;
};
FakeWindowObject g_loaded = {nullptr};

rt::u32 fake_service(rt::i32 code, rt::u32 window_id, rt::u32 component_id, bool* handled) {
    *handled = code == rt::kSvcComponentObject;
    if (*handled && window_id == kLoadedWindowId && component_id == 0) return reinterpret_cast<rt::u32>(&g_loaded);
    return 0;
}

class WindowOwner : public testing::Test {
protected:
    void SetUp() override {
        system_.service = fake_service;
        rt::install_window_system(&system_);
        commands::set_window_handle_reader(
            [](rt::u32 object) { return reinterpret_cast<FakeWindowObject*>(object)->window; });
        g_loaded.window = probe_window();
    }
    void TearDown() override {
        commands::set_window_handle_reader(nullptr);
        rt::install_window_system(nullptr);
    }
    rt::WindowSystem system_ = {};
};

TEST_F(WindowOwner, LoadedWindowOwnsTheBox) {
    BoxWatcher watcher(IDOK);
    logic::message_box(logic::arg_text("x"), 0, logic::arg_text("t"), logic::arg_window(kLoadedWindowId));
    ASSERT_TRUE(watcher.seen().appeared);
    EXPECT_EQ(watcher.seen().owner, probe_window());
}

TEST_F(WindowOwner, WindowNotLoadedGivesAnOwnerlessBox) {
    BoxWatcher watcher(IDOK);
    EXPECT_EQ(logic::message_box(logic::arg_text("x"), 0, logic::arg_text("t"), logic::arg_window(0x52010002)), 0);
    ASSERT_TRUE(watcher.seen().appeared);
    EXPECT_EQ(watcher.seen().owner, nullptr);
}

TEST_F(WindowOwner, OwnerArgumentBeyondTheCountIsIgnored) {
    BoxWatcher watcher(IDOK);
    const rt::ArgRecord args[] = {logic::arg_text("x"), logic::arg_int(0), logic::arg_text("t"),
                                  logic::arg_window(kLoadedWindowId)};
    logic::entries().call_command(logic::core_command(commands::kMessageBox), 3, const_cast<rt::ArgRecord*>(args));
    ASSERT_TRUE(watcher.seen().appeared);
    EXPECT_EQ(watcher.seen().owner, nullptr);
}

TEST(Delay, BlocksForTheTimeWithoutDispatching) {
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    const DWORD start = GetTickCount();
    logic::delay(200);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 190u);
    EXPECT_LT(elapsed, 1000u);
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_APP, WM_APP, PM_REMOVE));

    const DWORD again = GetTickCount();
    logic::delay(-50);
    EXPECT_LT(GetTickCount() - again, 50u);
}

// Counts WM_APP; the first one posts a second, which must be handled in the same call.
int g_app_messages = 0;
LRESULT CALLBACK counting_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_APP) {
        if (++g_app_messages == 1) PostMessageA(window, WM_APP, 0, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

class ProcessEvents : public testing::Test {
protected:
    void SetUp() override {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        }
        WNDCLASSA wc = {};
        wc.lpfnWndProc = counting_procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "CommandTestCounter";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
        g_app_messages = 0;
    }
    void TearDown() override { DestroyWindow(window_); }
    HWND window_ = nullptr;
};

TEST_F(ProcessEvents, EmptyQueueReturnsAtOnce) {
    const DWORD start = GetTickCount();
    logic::process_events();
    EXPECT_LT(GetTickCount() - start, 100u);
    EXPECT_EQ(g_app_messages, 0);
}

TEST_F(ProcessEvents, DispatchesWhatIsQueuedAndWhatArrivesMeanwhile) {
    PostMessageA(window_, WM_APP, 0, 0);
    logic::process_events();
    EXPECT_EQ(g_app_messages, 2);
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
}

TEST_F(ProcessEvents, StopsAtTheQuitMessageAndLeavesItQueued) {
    PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 7, 0);
    PostMessageA(window_, WM_APP, 0, 0);
    logic::process_events();
    EXPECT_EQ(g_app_messages, 0);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(m.wParam, 7u);
    logic::process_events();
    EXPECT_EQ(g_app_messages, 2);
}

}  // namespace
