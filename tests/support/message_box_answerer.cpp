#include "tests/support/message_box_answerer.h"

#include "tests/support/window_find.h"

namespace testing_support {
namespace {

std::string window_text(HWND window) {
    char buffer[2048] = {};
    // WM_GETTEXT works across threads and processes for standard controls.
    SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::wstring wide_window_text(HWND window) {
    wchar_t buffer[2048] = {};
    SendMessageW(window, WM_GETTEXT, sizeof buffer / sizeof buffer[0], reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

BOOL CALLBACK collect_child(HWND child, LPARAM lparam) {
    auto* box = reinterpret_cast<AnsweredBox*>(lparam);
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    const int id = GetDlgCtrlID(child);
    if (lstrcmpiA(cls, "Button") == 0) box->button_ids.push_back(id);
    else if (lstrcmpiA(cls, "Static") == 0 && id == 0xFFFF) {
        box->text = window_text(child);
        box->wide_text = wide_window_text(child);
    }
    return TRUE;
}

}  // namespace

HWND find_box(DWORD pid) {
    return find_shown_window(pid, [](HWND window) { return has_class(window, "#32770"); });
}

// Presses a button of the first box found; the box may still be closing on return.
HWND press_box(DWORD pid, int button_id, AnsweredBox* box) {
    const HWND found_box = find_box(pid);
    if (!found_box) return nullptr;
    AnsweredBox found = {};
    found.title = window_text(found_box);
    found.wide_title = wide_window_text(found_box);
    found.style = GetWindowLongA(found_box, GWL_STYLE);
    EnumChildWindows(found_box, collect_child, reinterpret_cast<LPARAM>(&found));
    int press = button_id;
    bool has = false;
    for (int id : found.button_ids) has = has || id == button_id;
    if (!has && !found.button_ids.empty()) press = found.button_ids.front();
    PostMessageA(found_box, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(found_box, press)));
    if (box) *box = found;
    return found_box;
}

// Waits until the box is gone so a second answer does not find it again.
void wait_until_gone(HWND box) {
    for (int i = 0; i < 200 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
}

bool answer_message_box(DWORD pid, int button_id, AnsweredBox* box, DWORD timeout_ms) {
    if (pid == 0) pid = GetCurrentProcessId();
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND pressed = press_box(pid, button_id, box)) {
            wait_until_gone(pressed);
            return true;
        }
        if (GetTickCount() - start > timeout_ms) return false;
        Sleep(20);
    }
}

}  // namespace testing_support
