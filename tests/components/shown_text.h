// Texts the platform shows for the components, read back through the wide functions:
// as UTF-16, and in GBK for comparison with the texts the program wrote.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <iterator>
#include <string>

#include "forms/window_text.h"
#include "runtime/platform_text.h"

namespace component_test {

inline std::string shown_text(HWND window) {
    const std::wstring text = forms::window_text(window);
    return rt::from_platform(text.c_str(), text.size());
}

// A combo box item as the box holds it; empty when there is none at `at`.
inline std::wstring combo_item(HWND box, int at) {
    const LRESULT n = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(at), 0);
    if (n == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(at),
                                                 reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// The text of the tooltip control's tool for `window` (the tool the super button adds).
inline std::wstring tool_text(HWND tip, HWND window) {
    wchar_t text[256] = {};
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window;
    info.uId = 1;
    info.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

}  // namespace component_test
