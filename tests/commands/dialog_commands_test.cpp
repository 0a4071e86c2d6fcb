// Message box against real dialogs answered by a watcher thread; delay and process
// events against the thread's real message queue.
#include <gtest/gtest.h>
#include <windows.h>

#include "commands/window_owner.h"
#include "runtime/library_service.h"
#include "logic/commands.h"
#include "runtime/platform_text.h"
#include "runtime/window_system.h"
#include "tests/commands/box_watcher.h"
#include "tests/commands/command_test_program.h"
#include "tests/support/code_page_child.h"
#include "tests/support/quit_message.h"

namespace {

using command_tests::BoxWatcher;
using command_tests::probe_window;
using command_tests::SeenBox;
using Buttons = std::vector<int>;

rt::ArgRecord arg_handle(HWND window) { return logic::arg_int(static_cast<rt::i32>(reinterpret_cast<rt::u32>(window))); }

TEST(MessageBoxCommand, OmittedTitleErrorIconOneButtonTaskModal) {
    probe_window();
    BoxWatcher watcher(IDOK);
    EXPECT_EQ(logic::message_box("请先选择驱动器", 0x10), 0);
    const SeenBox& box = watcher.seen();
    ASSERT_TRUE(box.appeared);
    EXPECT_EQ(box.title, "信息：");
    EXPECT_EQ(box.text, "请先选择驱动器");
    EXPECT_EQ(box.wide_title, L"信息：");
    EXPECT_EQ(box.wide_text, L"请先选择驱动器");
    EXPECT_EQ(box.icon, LoadIconW(nullptr, MAKEINTRESOURCEW(32513)));  // the hand icon of error boxes
    EXPECT_EQ(box.visible_buttons, Buttons{IDOK});
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_FALSE(box.probe_enabled);  // task-modal: the thread's windows are disabled
    EXPECT_FALSE(box.ex_style & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowEnabled(probe_window()));
}

// A box's GBK texts as the platform must show them, written out in UTF-16.
struct ShownBox {
    const char* text;
    std::optional<const char*> title;
    const wchar_t* platform_text;
    const wchar_t* platform_title;
};
const ShownBox kShownBoxes[] = {
    {"请先选择驱动器", std::nullopt, L"请先选择驱动器", L"信息："},
    {"目录 C:\\游戏乗\\ 不存在", "标题乗", L"目录 C:\\游戏乗\\ 不存在", L"标题乗"},
};

std::string as_shown(const char* what, const std::wstring& shown, const wchar_t* expected) {
    if (shown == expected) return std::string(what) + " as given\n";
    return std::string(what) + " shown as " + rt::utf8_from_platform(shown.c_str(), shown.size()) + "\n";
}

std::string show_boxes() {
    std::string out;
    for (const ShownBox& b : kShownBoxes) {
        BoxWatcher watcher(IDOK);
        logic::message_box(logic::arg_text(b.text), 0x10, b.title ? logic::arg_text(*b.title) : logic::omitted());
        const SeenBox& box = watcher.seen();
        out += as_shown("title", box.wide_title, b.platform_title) + as_shown("text", box.wide_text, b.platform_text);
    }
    return out;
}

TRIVANE_CHILD_SCENARIO(message_box_texts) {
    command_tests::start_command_runtime();
    probe_window();
    testing_support::report_with_code_page(show_boxes());
}

TEST(MessageBoxCommand, TextAndTitleShowAsGivenInEitherCodePage) {
    const std::string expected = "title as given\ntext as given\ntitle as given\ntext as given\n";
    probe_window();
    EXPECT_EQ(show_boxes(), expected);
    EXPECT_EQ(testing_support::run_child_in_locale("message_box_texts", testing_support::kWesternLocale),
              "code page 1252\n" + expected);
}

TEST(MessageBoxCommand, ModalityFlagIsAddedUnlessSystemModal) {
    struct Case {
        int style;
        bool topmost, probe_enabled;
        Buttons buttons;
    };
    const Case cases[] = {
        {0x1010, true, true, {IDOK}},          // system-modal, passed unchanged
        {0x2000, false, true, {IDOK, IDHELP}},  // 0x2000 + 0x2000 = 0x4000, the help button
    };
    for (const Case& c : cases) {
        BoxWatcher watcher(IDOK);
        EXPECT_EQ(logic::message_box("text", c.style, "标题"), 0);
        const SeenBox& box = watcher.seen();
        ASSERT_TRUE(box.appeared);
        EXPECT_EQ(box.title, "标题");
        EXPECT_EQ((box.ex_style & WS_EX_TOPMOST) != 0, c.topmost) << c.style;
        EXPECT_EQ(box.probe_enabled, c.probe_enabled) << c.style;
        EXPECT_EQ(box.visible_buttons, c.buttons) << c.style;
    }
}

TEST(MessageBoxCommand, ButtonsMapToResultCodes) {
    const int cases[][3] = {
        {MB_OKCANCEL, IDCANCEL, 1},          {MB_ABORTRETRYIGNORE, IDABORT, 2}, {MB_RETRYCANCEL, IDRETRY, 3},
        {MB_ABORTRETRYIGNORE, IDIGNORE, 4}, {MB_YESNO, IDYES, 5},             {MB_YESNOCANCEL, IDNO, 6},
    };
    for (const auto& c : cases) {
        BoxWatcher watcher(c[1]);
        EXPECT_EQ(logic::message_box("?", c[0], "t"), c[2]) << "style " << c[0] << " press " << c[1];
    }
}

// Every kind's text form is checked through to text, which shares it.
TEST(MessageBoxCommand, ShowsTheValueAsText) {
    const logic::Bytes bytes = logic::Bytes::copy_of("ab", 2);
    const std::pair<rt::ArgRecord, const char*> cases[] = {
        {logic::arg_bool(true), "真"}, {logic::arg_int(-5), "-5"}, {logic::arg_bytes(bytes.get()), ""}};
    for (const auto& [value, shown] : cases) {
        BoxWatcher watcher(IDOK);
        logic::message_box(value, 0, logic::arg_text("t"));
        EXPECT_EQ(watcher.seen().text, shown);
    }
}

TEST(MessageBoxCommand, IntegerOwnerIsTheOwnerWindowAndABadOneFailsAsOk) {
    {
        BoxWatcher watcher(IDOK);
        logic::message_box(logic::arg_text("x"), 0, logic::arg_text("t"), arg_handle(probe_window()));
        EXPECT_EQ(watcher.seen().owner, probe_window());
    }
    // A handle that names no window: the platform refuses the box.
    BoxWatcher watcher(IDCANCEL, 1500);
    EXPECT_EQ(logic::message_box(logic::arg_text("x"), MB_OKCANCEL, logic::arg_text("t"), logic::arg_int(0x7FFF0)), 0);
    EXPECT_FALSE(watcher.seen().appeared);
}

// A stand-in window system that knows one loaded window, and the reader that turns
// its object into the platform window.
constexpr rt::u32 kLoadedWindowId = 0x52010001;
HWND g_loaded_window = nullptr;

rt::u32 fake_service(rt::i32 code, rt::u32 window_id, rt::u32 component_id, bool* handled) {
    *handled = code == rt::kSvcComponentObject;
    const bool loaded = *handled && window_id == kLoadedWindowId && component_id == 0;
    return loaded ? reinterpret_cast<rt::u32>(&g_loaded_window) : 0;
}

TEST(MessageBoxCommand, WindowValueOwnerResolvesOnlyForALoadedWindow) {
    rt::WindowSystem system = {};
    system.service = fake_service;
    rt::install_window_system(&system);
    commands::set_window_handle_reader([](rt::u32 object) { return *reinterpret_cast<HWND*>(object); });
    g_loaded_window = probe_window();
    const std::pair<rt::u32, HWND> cases[] = {{kLoadedWindowId, probe_window()}, {0x52010002, nullptr}};
    for (const auto& [window_id, owner] : cases) {
        BoxWatcher watcher(IDOK);
        EXPECT_EQ(logic::message_box(logic::arg_text("x"), 0, logic::arg_text("t"), logic::arg_window(window_id)), 0);
        EXPECT_TRUE(watcher.seen().appeared);
        EXPECT_EQ(watcher.seen().owner, owner);
    }
    commands::set_window_handle_reader(nullptr);
    rt::install_window_system(nullptr);
}

TEST(Delay, BlocksForTheTimeWithoutDispatching) {
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    DWORD start = GetTickCount();
    logic::delay(200);
    EXPECT_GE(GetTickCount() - start, 150u);  // the tick count moves in steps of up to 16 ms
    EXPECT_LT(GetTickCount() - start, 1000u);
    MSG m;
    EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_APP, WM_APP, PM_REMOVE));
    start = GetTickCount();
    logic::delay(-50);
    EXPECT_LT(GetTickCount() - start, 150u);
}

// Counts WM_APP; the first one posts a second, which must be handled in the same call.
int g_app_messages = 0;
LRESULT CALLBACK counting_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message != WM_APP) return DefWindowProcW(window, message, wparam, lparam);
    if (++g_app_messages == 1) PostMessageW(window, WM_APP, 0, 0);
    return 0;
}

HWND counting_window() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = counting_procedure;
    wc.lpszClassName = L"CommandTestCounter";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

TEST(ProcessEvents, DispatchesAllThatArrivesAndStopsBeforeTheQuitMessage) {
    const HWND window = counting_window();
    g_app_messages = 0;
    logic::process_events();  // an empty queue returns at once
    EXPECT_EQ(g_app_messages, 0);

    PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, 7, 0);
    PostMessageW(window, WM_APP, 0, 0);
    logic::process_events();
    EXPECT_EQ(g_app_messages, 0);
    testing_support::expect_quit_message_first(7u);

    logic::process_events();
    EXPECT_EQ(g_app_messages, 2);
    DestroyWindow(window);
}

}  // namespace
