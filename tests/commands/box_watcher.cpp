#include "tests/commands/box_watcher.h"

#include "tests/support/message_box_answerer.h"

namespace command_tests {
namespace {

BOOL CALLBACK match_box(HWND window, LPARAM found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    if (pid != GetCurrentProcessId() || lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK inspect_child(HWND child, LPARAM lparam) {
    auto* seen = reinterpret_cast<SeenBox*>(lparam);
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (lstrcmpiW(cls, L"Button") == 0 && (style & WS_VISIBLE)) seen->visible_buttons.push_back(GetDlgCtrlID(child));
    if (lstrcmpiW(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
        seen->icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    return TRUE;
}

// The box's thread answers from its modal loop.
std::wstring wide_text_of(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

}  // namespace

HWND probe_window() {
    static const HWND window = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                               100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return window;
}

BoxWatcher::BoxWatcher(int button_id, DWORD timeout_ms)
    : button_id_(button_id), timeout_ms_(timeout_ms), thread_(CreateThread(nullptr, 0, run, this, 0, nullptr)) {}

const SeenBox& BoxWatcher::seen() {
    if (thread_) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    return seen_;
}

DWORD WINAPI BoxWatcher::run(void* self_pointer) {
    auto* self = static_cast<BoxWatcher*>(self_pointer);
    const DWORD start = GetTickCount();
    HWND box = nullptr;
    while (EnumWindows(match_box, reinterpret_cast<LPARAM>(&box)), !box) {
        if (GetTickCount() - start > self->timeout_ms_) return 0;
        Sleep(20);
    }
    SeenBox& seen = self->seen_;
    seen.appeared = true;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.ex_style = GetWindowLongW(box, GWL_EXSTYLE);
    seen.probe_enabled = IsWindowEnabled(probe_window()) != 0;
    EnumChildWindows(box, inspect_child, reinterpret_cast<LPARAM>(&seen));
    seen.wide_title = wide_text_of(box);
    seen.wide_text = wide_text_of(GetDlgItem(box, 0xFFFF));
    testing_support::AnsweredBox answered;
    if (testing_support::answer_message_box(0, self->button_id_, &answered, 2000)) {
        seen.title = answered.title;
        seen.text = answered.text;
    }
    return 0;
}

}  // namespace command_tests
