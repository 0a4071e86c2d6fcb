#include "forms/components/label_paint.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "forms/components/button_resources.h"
#include "forms/components/label_gradient.h"
#include "forms/components/label_properties.h"
#include "forms/components/picture_placement.h"
#include "forms/display_scale.h"
#include "runtime/handle_owners.h"
#include "runtime/platform_text.h"

namespace forms {
namespace {

// The text drawn under the caption for each effect, and where the caption itself goes.
struct TextEffect {
    bool shaded;
    COLORREF shade;
    int shade_offset;  // pixels right and down
    int text_offset;
};

constexpr TextEffect kEffects[] = {
    {false, 0, 0, 0},                   // 0 none
    {true, RGB(255, 255, 255), 1, 0},   // 1 raised: white below right, the caption in place
    {true, RGB(255, 255, 255), 0, 1},   // 2 engraved: white in place, the caption below right
    {true, RGB(0, 0, 0), 2, 0},         // 3 shadow: black two pixels below right, the caption in place
};

constexpr UINT kHorizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
constexpr UINT kVertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};

template <typename T, size_t N>
const T& pick(const T (&table)[N], u32 choice) {
    return table[choice < N ? choice : N - 1];
}

GradientStops border_stops(const StoredBlock& s) {
    return usable_colours({s.word(kLabelBorderColour1), s.word(kLabelBorderColour2),
                           s.word(kLabelBorderColour3)});
}

// The gradient border's width when the label draws one, else 0; stored in template
// pixels, drawn at the label's DPI.
int gradient_border_width(const StoredBlock& s, int dpi) {
    if (s.word(kLabelBorder) != kLabelBorderGradient) return 0;
    const i32 width = static_cast<i32>(s.word(kLabelBorderWidth));
    if (width <= 0 || border_stops(s).count < 2) return 0;
    return to_device(std::min(width, 0x7FFF), dpi);
}

void fill(HDC dc, const RECT& r, COLORREF colour) {
    const COLORREF old = SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, old);
}

void paint_background(HDC dc, const RECT& r, const LabelLook& look) {
    const StoredBlock& s = look.stored;
    // The colour goes first: whatever a picture or gradient leaves uncovered (or
    // shows through) is the background colour.
    fill(dc, r, background_colour(s.word(kLabelBackColour)));
    if (look.picture && !look.picture->empty()) {
        place_picture(dc, r, *look.picture, s.word(kLabelPicturePlacement), look.dpi);
        return;
    }
    const u32 mode = s.word(kLabelGradientMode);
    if (mode == 0) return;
    const GradientStops stops = usable_colours({s.word(kLabelGradientColour1),
                                                s.word(kLabelGradientColour2),
                                                s.word(kLabelGradientColour3)});
    if (stops.count >= 2) paint_gradient_fill(dc, r, mode, stops);
}

void draw_caption_at(HDC dc, const RECT& r, int offset, COLORREF colour, const std::wstring& text, UINT format) {
    RECT at = r;
    OffsetRect(&at, offset, offset);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at, format);
}

void paint_caption(HDC dc, const RECT& r, const LabelLook& look) {
    const StoredBlock& s = look.stored;
    if (s.caption.empty()) return;
    UINT format = DT_NOCLIP | pick(kHorizontal, s.word(kLabelAlignment));
    if (s.flag(kLabelWordWrap))
        format |= DT_WORDBREAK;
    else
        format |= DT_SINGLELINE | pick(kVertical, s.word(kLabelVerticalAlignment));
    const u32 effect_word = s.word(kLabelEffect);
    const TextEffect& effect = effect_word < std::size(kEffects) ? kEffects[effect_word] : kEffects[kEffectNone];

    // The caption ends at its first NUL, as the window text does.
    const std::wstring caption = rt::to_platform(s.caption.c_str());
    const rt::Selection font_selected(dc, look.font);
    SetBkMode(dc, TRANSPARENT);
    if (effect.shaded) draw_caption_at(dc, r, effect.shade_offset, effect.shade, caption, format);
    draw_caption_at(dc, r, effect.text_offset, text_colour(s.word(kLabelTextColour)), caption, format);
}

}  // namespace

RECT label_content_rect(const RECT& client, const StoredBlock& stored, int dpi) {
    RECT r = client;
    const int width = gradient_border_width(stored, dpi);
    InflateRect(&r, -width, -width);
    return r;
}

void paint_label(HDC dc, const RECT& client, const LabelLook& look) {
    const int saved = SaveDC(dc);
    const int width = gradient_border_width(look.stored, look.dpi);
    if (width > 0) paint_gradient_border(dc, client, width, border_stops(look.stored));
    const RECT r = label_content_rect(client, look.stored, look.dpi);
    if (r.right > r.left && r.bottom > r.top) {
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        paint_background(dc, r, look);
        paint_caption(dc, r, look);
    }
    RestoreDC(dc, saved);
}

}  // namespace forms
