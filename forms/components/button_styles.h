// Platform button styles chosen by choice properties, and switching styles on a live
// control.
#pragma once
#include <windows.h>

#include "forms/template_model.h"

namespace forms {

// Alignment choices: 0 left / top, 1 centre, 2 right / bottom; out of range as 2.
DWORD horizontal_alignment_style(u32 choice);
DWORD vertical_alignment_style(u32 choice);

// The mask of both alignment fields of a button style.
inline constexpr DWORD kHorizontalAlignmentMask = BS_CENTER;  // BS_LEFT | BS_RIGHT
inline constexpr DWORD kVerticalAlignmentMask = BS_VCENTER;   // BS_TOP | BS_BOTTOM

// Visual styles draw captions and backgrounds in the theme's colours, whatever a
// control's colour request answers. Controls whose colours are properties (group
// box, check box, radio button) keep the classic look so that those properties hold.
void use_classic_look(HWND window);

// Replaces the bits of `mask` in the window's style by `bits` and repaints.
void replace_style(HWND window, DWORD mask, DWORD bits);

}  // namespace forms
