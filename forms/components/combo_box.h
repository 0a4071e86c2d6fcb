// The platform combo box's messages, typed and named for what they do.
#pragma once
#include <windows.h>

#include <string>

#include "runtime/platform_text.h"

namespace forms::combo_box {

inline void clear(HWND box) { SendMessageW(box, CB_RESETCONTENT, 0, 0); }

// The new item's place in the list, or a negative value when the box refused it.
// The text is a GBK text.
inline int add_item(HWND box, const char* text) {
    const std::wstring item = rt::to_platform(text);
    return static_cast<int>(SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

inline int item_count(HWND box) { return static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0)); }

// The word kept beside an item.
inline void set_item_data(HWND box, int at, LPARAM data) {
    SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(at), data);
}
inline LRESULT item_data(HWND box, int at) { return SendMessageW(box, CB_GETITEMDATA, static_cast<WPARAM>(at), 0); }

// The selected item's place, negative when none is.
inline int selection(HWND box) { return static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0)); }
// Selects the item at `at`; -1 leaves none selected.
inline void select(HWND box, int at) { SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(at), 0); }

}  // namespace forms::combo_box
