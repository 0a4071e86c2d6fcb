// The GDI objects a component makes from its properties: its font and its background
// brush. Each owns what it made and releases it when replaced or destroyed.
#pragma once
#include <windows.h>

#include "forms/template_model.h"
#include "runtime/handle_owners.h"

namespace forms {

// Made from a stored 60-byte logical font; any other block means the platform's
// default GUI font, which is not ours to delete. Either is sized for the DPI the
// component is shown at.
class ControlFont {
public:

    // Makes the font for `record` and hands it to `window` (when there is one) before
    // the previous font is deleted, so the control never holds a dead handle.
    void apply(HWND window, const ByteBlock& record, int dpi);
    // The same font again for another DPI.
    void rescale(HWND window, int dpi) { apply(window, ByteBlock(record_), dpi); }
    HFONT handle() const;

private:
    rt::GdiObject<HFONT> owned_;
    ByteBlock record_;
};

// A colour word as a platform colour: the default colour is the current button face.
COLORREF background_colour(u32 colour);
// Text colours have no default: only the colour bits count.
inline COLORREF text_colour(u32 colour) { return colour & 0x00FFFFFF; }

// A solid brush of a background colour word. The default colour gives the system's
// button-face brush, which follows the current scheme and is not ours to delete.
class BackgroundBrush {
public:
    void set(u32 colour);
    HBRUSH handle() const;
    COLORREF colour() const { return background_colour(colour_); }

private:
    u32 colour_ = 0xFF000000;
    rt::GdiObject<HBRUSH> owned_;
};

// Answers a colour request of the platform control: text colour, background colour
// and the brush the control paints its background with.
LRESULT answer_colour_request(HDC dc, COLORREF text, const BackgroundBrush& background);

}  // namespace forms
