// The platform tooltip control's messages, typed and named for what they do. A tool
// is named by its record: the window and id it covers; its text is UTF-16.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace forms::tooltip {

namespace detail {
// The control takes the record by a mutable pointer but does not write it.
inline LPARAM record(const TOOLINFOW& tool) { return reinterpret_cast<LPARAM>(const_cast<TOOLINFOW*>(&tool)); }
}  // namespace detail

// An inactive control shows no tips.
inline void activate(HWND tip, bool active) { SendMessageW(tip, TTM_ACTIVATE, active ? TRUE : FALSE, 0); }
// Longer texts wrap at this many pixels.
inline void set_max_width(HWND tip, int pixels) { SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, pixels); }

// False when the control refused the tool.
inline bool add_tool(HWND tip, const TOOLINFOW& tool) {
    return SendMessageW(tip, TTM_ADDTOOLW, 0, detail::record(tool)) != 0;
}
inline void remove_tool(HWND tip, const TOOLINFOW& tool) { SendMessageW(tip, TTM_DELTOOLW, 0, detail::record(tool)); }
inline void update_text(HWND tip, const TOOLINFOW& tool) {
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, detail::record(tool));
}
// The tool's rectangle is read from the record again.
inline void update_rect(HWND tip, const TOOLINFOW& tool) {
    SendMessageW(tip, TTM_NEWTOOLRECTW, 0, detail::record(tool));
}

// Hands an input message of a tool's window to the control, which shows and hides
// the tip from them.
inline void relay(HWND tip, const MSG& message) {
    SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

}  // namespace forms::tooltip
