#include "forms/components/button_styles.h"

#include "forms/components/sound_theme_functions.h"

namespace forms {
namespace {

constexpr DWORD kHorizontal[] = {
    BS_LEFT,    // 0 left
    BS_CENTER,  // 1 centre
    BS_RIGHT,   // 2 right
};

constexpr DWORD kVertical[] = {
    BS_TOP,      // 0 top
    BS_VCENTER,  // 1 centre
    BS_BOTTOM,   // 2 bottom
};

}  // namespace

DWORD horizontal_alignment_style(u32 choice) { return kHorizontal[choice > 2 ? 2 : choice]; }
DWORD vertical_alignment_style(u32 choice) { return kVertical[choice > 2 ? 2 : choice]; }

// A class list that names no theme class: every platform we run on then opens no
// theme for the window (an empty list is refused by some).
void use_classic_look(HWND window) { set_window_theme(window, L" ", L" "); }

void replace_style(HWND window, DWORD mask, DWORD bits) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    SetWindowLongW(window, GWL_STYLE, static_cast<LONG>((style & ~mask) | (bits & mask)));
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace forms
