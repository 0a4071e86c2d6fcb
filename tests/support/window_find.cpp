#include "tests/support/window_find.h"

namespace testing_support {
namespace {

struct WindowSearch {
    DWORD pid;
    const std::function<bool(HWND)>* matches;
    HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM lparam) {
    auto* search = reinterpret_cast<WindowSearch*>(lparam);
    if (!shown_by(window, search->pid) || !(*search->matches)(window)) return TRUE;
    search->found = window;
    return FALSE;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK match_control(HWND child, LPARAM lparam) {
    auto* search = reinterpret_cast<ControlSearch*>(lparam);
    if (GetDlgCtrlID(child) != search->id) return TRUE;
    search->found = child;
    return FALSE;
}

}  // namespace

bool has_class(HWND window, const char* name) {
    char cls[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    return lstrcmpA(cls, name) == 0;
}

bool has_title(HWND window, const std::string& title) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return title == text;
}

bool shown_by(HWND window, DWORD pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == pid && IsWindowVisible(window);
}

HWND find_shown_window(DWORD pid, const std::function<bool(HWND)>& matches) {
    WindowSearch search = {pid, &matches, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND find_control(HWND parent, int id) {
    ControlSearch search = {id, nullptr};
    if (parent) EnumChildWindows(parent, match_control, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace testing_support
