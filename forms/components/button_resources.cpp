#include "forms/components/button_resources.h"

#include "forms/component_type.h"

namespace forms {

ControlFont::~ControlFont() {
    if (owned_) DeleteObject(owned_);
}

void ControlFont::apply(HWND window, const ByteBlock& record) {
    HFONT made = nullptr;
    if (record.size() == sizeof(LOGFONTA)) made = CreateFontIndirectA(reinterpret_cast<const LOGFONTA*>(record.data()));
    HFONT old = owned_;
    owned_ = made;
    if (window) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(handle()), TRUE);
    if (old) DeleteObject(old);
}

HFONT ControlFont::handle() const {
    return owned_ ? owned_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF background_colour(u32 colour) {
    return colour == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : (colour & 0x00FFFFFF);
}

BackgroundBrush::~BackgroundBrush() {
    if (owned_) DeleteObject(owned_);
}

void BackgroundBrush::set(u32 colour) {
    HBRUSH made = colour == kDefaultColour ? nullptr : CreateSolidBrush(colour & 0x00FFFFFF);
    if (owned_) DeleteObject(owned_);
    owned_ = made;
    colour_ = colour;
}

HBRUSH BackgroundBrush::handle() const { return owned_ ? owned_ : GetSysColorBrush(COLOR_BTNFACE); }

LRESULT answer_colour_request(HDC dc, COLORREF text, const BackgroundBrush& background) {
    SetTextColor(dc, text);
    SetBkColor(dc, background.colour());
    return reinterpret_cast<LRESULT>(background.handle());
}

}  // namespace forms
