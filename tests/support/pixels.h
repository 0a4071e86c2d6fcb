// Pixels read back from what a window paints, for tests of drawing.
#pragma once
#include <windows.h>

#include <vector>

namespace testing_support {

// A client area as 0x00BBGGRR colours, row by row.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> colours;
    COLORREF at(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
    int count(COLORREF c) const;
    // Whether any pixel inside [left, right) x [top, bottom) has colour c.
    bool any(COLORREF c, int left, int top, int right, int bottom) const;
    // The smallest rectangle holding every pixel of colour c (empty when none).
    RECT bounds(COLORREF c) const;
    // Pixels nearer to c than to `ground`, black and white: smoothed text over its
    // background counts, other text and frames do not.
    int count_toward(COLORREF c, COLORREF ground) const;
    RECT bounds_toward(COLORREF c, COLORREF ground) const;
};
// What the window paints into a memory canvas through WM_PRINTCLIENT, the canvas
// filled with `ground` first.
Pixels printed(HWND window, COLORREF ground = RGB(1, 2, 3));
// What the window's erase fills into a canvas of `ground` (WM_ERASEBKGND).
Pixels erased(HWND window, COLORREF ground = RGB(1, 2, 3));
// What the screen shows of the window's client area after it painted.
Pixels on_screen(HWND window);

}  // namespace testing_support
