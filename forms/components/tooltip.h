// The platform tooltip control's messages, typed and named for what they do. A tool
// is named by its record: the window and id it covers.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace forms::tooltip {

namespace detail {
// The control takes the record by a mutable pointer but does not write it.
inline LPARAM record(const TOOLINFOA& tool) { return reinterpret_cast<LPARAM>(const_cast<TOOLINFOA*>(&tool)); }
}  // namespace detail

// An inactive control shows no tips.
inline void activate(HWND tip, bool active) { SendMessageA(tip, TTM_ACTIVATE, active ? TRUE : FALSE, 0); }
// Longer texts wrap at this many pixels.
inline void set_max_width(HWND tip, int pixels) { SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, pixels); }

// False when the control refused the tool.
inline bool add_tool(HWND tip, const TOOLINFOA& tool) {
    return SendMessageA(tip, TTM_ADDTOOLA, 0, detail::record(tool)) != 0;
}
inline void remove_tool(HWND tip, const TOOLINFOA& tool) { SendMessageA(tip, TTM_DELTOOLA, 0, detail::record(tool)); }
inline void update_text(HWND tip, const TOOLINFOA& tool) {
    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, detail::record(tool));
}
// The tool's rectangle is read from the record again.
inline void update_rect(HWND tip, const TOOLINFOA& tool) {
    SendMessageA(tip, TTM_NEWTOOLRECTA, 0, detail::record(tool));
}

// Hands an input message of a tool's window to the control, which shows and hides
// the tip from them.
inline void relay(HWND tip, const MSG& message) {
    SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

}  // namespace forms::tooltip
