// The display scale at the platform boundary. The program, its templates and its
// property values speak template pixels (96 per inch); the platform windows, their
// fonts and what they draw follow the DPI of the monitor each window is on.
#pragma once
#include <windows.h>

#include "runtime/handle_owners.h"
#include "forms/template_model.h"

namespace forms {

inline constexpr int kTemplateDpi = 96;

// The DPI the window system works at for `window` (the system's for none): the
// window's monitor where the platform tells it, else the screen's.
int dpi_of(HWND window);
// The screen's DPI, the one the platform's stock fonts are made for.
int system_dpi();

// Tests stand in for the platform: every window then reads `dpi` (0 gives the
// platform back).
void set_window_system_dpi(int dpi);

// Sent to a top-level window whose monitor's DPI changed (or that moved to one of
// another DPI): the new DPI in the low word, the suggested window rectangle.
inline constexpr UINT kMsgDpiChanged = 0x02E0;

// A system metric (icon sizes, say) at `dpi`.
int metric_at(int index, int dpi);

inline int to_device(int template_pixels, int dpi) { return MulDiv(template_pixels, dpi, kTemplateDpi); }
inline int to_template(int device_pixels, int dpi) { return MulDiv(device_pixels, kTemplateDpi, dpi); }

// A top-level window's outer size at `dpi` for its template outer size: the client
// area scales, the frame is the platform's at each DPI.
SIZE outer_to_device(SIZE template_outer, DWORD style, DWORD ex_style, int dpi);
SIZE outer_to_template(SIZE device_outer, DWORD style, DWORD ex_style, int dpi);

// The font a component shows at `dpi`: its stored logical font (made for the
// system's DPI) or the platform's default GUI font, rescaled. None means the stock
// default font fits as it is.
rt::GdiObject<HFONT> font_at(const ByteBlock& logical_font, int dpi);

}  // namespace forms
