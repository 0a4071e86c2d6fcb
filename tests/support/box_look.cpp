#include "tests/support/box_look.h"

#include <map>
#include <string>

#include "tests/support/child_process.h"

namespace testing_support {
namespace {

BOOL CALLBACK find_icon(HWND child, LPARAM lparam) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(lparam) = child;
        return FALSE;
    }
    return TRUE;
}

IconPixels screen_pixels(const RECT& r) {
    IconPixels pixels;
    HDC screen = GetDC(nullptr);
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool one_colour(const IconPixels& pixels) {
    for (COLORREF c : pixels)
        if (c != pixels.front()) return false;
    return true;
}

HWND icon_control(HWND box) {
    HWND icon = nullptr;
    EnumChildWindows(box, find_icon, reinterpret_cast<LPARAM>(&icon));
    return icon && IsWindowVisible(icon) ? icon : nullptr;
}

HICON icon_handle(HWND box) {
    const HWND icon = icon_control(box);
    return icon ? reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)) : nullptr;
}

// The icon control's pixels once two reads in a row agree on a painted icon.
IconPixels painted_icon(HWND box) {
    // Whether there is an icon the control tells any process; which one only its pixels do.
    if (!icon_handle(box)) return {};
    const HWND icon = icon_control(box);
    RECT box_rect;
    GetWindowRect(box, &box_rect);
    SetWindowPos(box, HWND_TOPMOST, GetSystemMetrics(SM_CXSCREEN) - (box_rect.right - box_rect.left),
                 GetSystemMetrics(SM_CYSCREEN) - (box_rect.bottom - box_rect.top), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(icon, &r);
    IconPixels last = screen_pixels(r);
    for (int i = 0; i < 60; ++i) {
        Sleep(50);
        IconPixels now = screen_pixels(r);
        if (now == last && !one_colour(now)) return now;
        last = std::move(now);
    }
    return last;
}

// The reference box runs in a child, so no answerer of this process takes it.
TRIVANE_CHILD_SCENARIO(show_reference_box) {
    MessageBoxA(nullptr, "参照", "参照", static_cast<UINT>(std::stoul(child_argument())));
}

}  // namespace

bool read_box_icon(DWORD pid, IconPixels* icon, DWORD timeout_ms) {
    if (pid == 0) pid = GetCurrentProcessId();
    const DWORD start = GetTickCount();
    for (;;) {
        if (const HWND box = find_box(pid)) {
            *icon = painted_icon(box);
            return true;
        }
        if (GetTickCount() - start > timeout_ms) return false;
        Sleep(20);
    }
}

const IconPixels& icon_of_style(UINT style) {
    static std::map<UINT, IconPixels> known;
    auto at = known.find(style);
    if (at != known.end()) return at->second;
    std::string report_path;
    PROCESS_INFORMATION child = start_child("show_reference_box", &report_path, std::to_string(style));
    IconPixels icon;
    if (read_box_icon(child.dwProcessId, &icon)) answer_message_box(child.dwProcessId, IDOK, nullptr);
    finish_child(child, report_path);
    return known[style] = icon;
}

// Own boxes tell their icon's handle; another process's only show it on the screen.
bool look_at_box(DWORD pid, LookedAtBox* box) {
    if (pid != GetCurrentProcessId()) return read_box_icon(pid, &box->icon, 20);
    const HWND found = find_box(pid);
    if (!found) {
        Sleep(20);
        return false;
    }
    box->icon_handle = icon_handle(found);
    return true;
}

}  // namespace testing_support
