#include "forms/components/button_resources.h"

#include <utility>

#include "forms/component_type.h"
#include "forms/display_scale.h"

namespace forms {

void ControlFont::apply(HWND window, const ByteBlock& record, int dpi) {
    record_ = record;
    rt::GdiObject<HFONT> made = font_at(record, dpi);
    rt::GdiObject<HFONT> old = std::exchange(owned_, std::move(made));
    if (window) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(handle()), TRUE);
    // `old` goes here, once the control no longer holds it.
}

HFONT ControlFont::handle() const {
    return owned_ ? owned_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF background_colour(u32 colour) {
    return colour == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : (colour & 0x00FFFFFF);
}

void BackgroundBrush::set(u32 colour) {
    owned_.reset(colour == kDefaultColour ? nullptr : CreateSolidBrush(colour & 0x00FFFFFF));
    colour_ = colour;
}

HBRUSH BackgroundBrush::handle() const { return owned_ ? owned_.get() : GetSysColorBrush(COLOR_BTNFACE); }

LRESULT answer_colour_request(HDC dc, COLORREF text, const BackgroundBrush& background) {
    SetTextColor(dc, text);
    SetBkColor(dc, background.colour());
    return reinterpret_cast<LRESULT>(background.handle());
}

}  // namespace forms
