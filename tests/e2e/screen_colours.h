// The colours a control of another process shows, read from the screen: the text
// colour a label or radio button was given shows in the pixels of its caption, which
// are smoothed into the background (so few have the text colour itself).
#pragma once
#include <windows.h>

namespace e2e {

// How many pixels inside `control` are its background (its most common colour) blended
// at least a quarter of the way toward `colour`.
int pixels_toward(HWND control, COLORREF colour);

// Waits until `control` shows a caption's worth of pixels toward `colour` (the effect
// follows a click a little late); false after `timeout_ms`.
bool wait_for_colour(HWND control, COLORREF colour, DWORD timeout_ms = 5000);

}  // namespace e2e
