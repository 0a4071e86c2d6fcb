#include "forms/components/super_button_colours.h"

#include <algorithm>

#include "forms/components/super_button_properties.h"

namespace forms {
namespace {

// GDI reads a colour's top byte as a palette selector: a stored word may hold anything.
COLORREF rgb_of(u32 colour) { return colour & kColourMask; }
COLORREF face_or(u32 colour) { return colour == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : rgb_of(colour); }

}  // namespace

COLORREF lighten(COLORREF colour, int n) {
    if (n < -255 || n > 255) return colour;
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    const int f = n > 0 ? std::min(n, 255 - std::max({r, g, b})) : std::max(n, -std::min({r, g, b}));
    return RGB(r + f, g + f, b + f);
}

ButtonColours system_button_colours() {
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {text, face, text, lighten(face, kHoverLightening), text, face};
}

ButtonColours stored_button_colours(const SuperButtonProperties& p) {
    return {rgb_of(p.normal_text), face_or(p.normal_back), rgb_of(p.hover_text), face_or(p.hover_back),
            rgb_of(p.focus_text),  face_or(p.focus_back)};
}

}  // namespace forms
