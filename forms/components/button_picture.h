// The picture a button-class control shows instead of its caption: an icon file or
// a cursor file makes an icon button; any other image a bitmap button, composed over
// the control's background colour. Data that does not decode is no picture.
#pragma once
#include <windows.h>

#include "forms/components/picture.h"

namespace forms {

class ButtonPicture {
public:
    // Decodes the data, sized for `dpi`; afterwards empty() tells whether there is
    // anything to show.
    void load(const ByteBlock& data, COLORREF background, int dpi);
    bool empty() const { return !source_; }
    // BS_ICON, BS_BITMAP, or 0 without a picture.
    DWORD style() const;
    // Hands the image to the control.
    void show_on(HWND window) const;
    // Composes a bitmap picture again over a new background and shows it.
    void recolour(HWND window, COLORREF background);

private:
    Picture source_;  // as decoded; keeps the icon of icon and cursor files
    Picture shown_;   // the bitmap composed over the background
};

}  // namespace forms
