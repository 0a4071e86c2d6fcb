// The label's colour gradients: the border it draws itself (border 6) and the eight
// gradient background modes. A gradient runs through two or three colours.
#pragma once
#include <windows.h>

#include <initializer_list>

#include "forms/template_model.h"

namespace forms {

struct GradientStops {
    COLORREF colours[3];
    int count;
};

// The colour words that are not the default colour, in order.
GradientStops usable_colours(std::initializer_list<u32> words);

// The colour at `t` (0 the first colour, 1 the last) along the stops.
COLORREF colour_at(const GradientStops& stops, double t);

// Rings `width` pixels deep inside `rect`, the outermost in the first colour and the
// innermost in the last.
void paint_gradient_border(HDC dc, const RECT& rect, int width, const GradientStops& stops);

// Fills `rect` by gradient mode 1 to 8; false for any other mode.
bool paint_gradient_fill(HDC dc, const RECT& rect, u32 mode, const GradientStops& stops);

}  // namespace forms
