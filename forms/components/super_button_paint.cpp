#include "forms/components/super_button_paint.h"

#include "runtime/handle_owners.h"
#include "runtime/platform_text.h"

namespace forms {
namespace {

constexpr int kCornerEllipse = 8;

void fill(HDC dc, const RECT& r, COLORREF colour) {
    const rt::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.get());
}

void frame(HDC dc, const RECT& r, COLORREF colour) {
    const rt::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FrameRect(dc, &r, brush.get());
}

// Top and left in one colour, bottom and right in another, one pixel wide.
void bevel(HDC dc, const RECT& r, COLORREF top_left, COLORREF bottom_right) {
    fill(dc, {r.left, r.top, r.right - 1, r.top + 1}, top_left);
    fill(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
    fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
    fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

void rounded_background(HDC dc, const Look& look) {
    // The corners outside the rounded shape show the resting background.
    fill(dc, look.body, look.under_colour);
    const rt::GdiObject<HBRUSH> brush(CreateSolidBrush(look.background_colour));
    const rt::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    const rt::Selection brush_selected(dc, brush.get());
    const rt::Selection pen_selected(dc, pen.get());
    RoundRect(dc, look.body.left, look.body.top, look.body.right, look.body.bottom, kCornerEllipse, kCornerEllipse);
}

void border(HDC dc, const Look& look) {
    const RECT& r = look.body;
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    switch (look.border) {
    case Border::None: break;
    case Border::Shadow: frame(dc, r, shadow); break;
    case Border::Sunken: bevel(dc, r, shadow, highlight); break;
    case Border::Raised: bevel(dc, r, highlight, shadow); break;
    case Border::Classic: {
        bevel(dc, r, highlight, GetSysColor(COLOR_3DDKSHADOW));
        const RECT inner = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        bevel(dc, inner, GetSysColor(COLOR_3DLIGHT), shadow);
        break;
    }
    }
}

void picture(HDC dc, const Look& look, const PictureSlot (&slots)[kSlotCount]) {
    if (look.picture_slot == kNoSlot) return;
    const PictureSlot& slot = slots[look.picture_slot];
    if (look.picture_embossed)
        slot.draw_disabled(dc, look.picture_at.x, look.picture_at.y);
    else
        slot.draw(dc, look.picture_at.x, look.picture_at.y);
}

void caption_text(HDC dc, const Look& look, const std::string& caption, HFONT font) {
    if (caption.empty()) return;
    const rt::Selection font_selected(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    // Measured and drawn as the same UTF-16 text.
    const std::wstring text = rt::to_platform(caption.c_str(), caption.size());
    const int n = static_cast<int>(text.size());
    RECT measured = look.caption_area;
    DrawTextW(dc, text.c_str(), n, &measured, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    const RECT& area = look.caption_area;
    const int w = measured.right - measured.left, h = measured.bottom - measured.top;
    RECT at = {area.left + (area.right - area.left - w) / 2, area.top + (area.bottom - area.top - h) / 2, 0, 0};
    at.right = at.left + w;
    at.bottom = at.top + h;
    if (look.caption_disabled) {
        RECT below = at;
        OffsetRect(&below, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), n, &below, DT_WORDBREAK | DT_CENTER);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, look.text_colour);
    }
    DrawTextW(dc, text.c_str(), n, &at, DT_WORDBREAK | DT_CENTER);
}

}  // namespace

void paint_super_button(HDC dc, const Look& look, const std::string& caption, HFONT font,
                        const PictureSlot (&slots)[kSlotCount]) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    if (look.black_frame) {
        RECT outer = look.body;
        InflateRect(&outer, 1, 1);
        frame(dc, outer, RGB(0, 0, 0));
    }
    if (look.background == Background::HoverRounded)
        rounded_background(dc, look);
    else
        fill(dc, look.body, look.background_colour);
    border(dc, look);
    picture(dc, look, slots);
    caption_text(dc, look, caption, font);
    if (look.focus_mark) DrawFocusRect(dc, &look.focus_rect);
    RestoreDC(dc, saved);
}

}  // namespace forms
