#include "forms/components/super_button_look.h"

namespace forms {
namespace {

constexpr int kMargin = 3;
constexpr int kFocusInset = 3;

// A condition of a border row: it does not matter, it must hold, or it must not.
enum class When { Any, Yes, No };

bool matches(When when, bool value) { return when == When::Any || (when == When::Yes) == value; }

// The border by state; the first matching row wins.
struct BorderRow {
    When pressed, flat, hovered, border_3d, rounded;
    Border border;
};

constexpr BorderRow kBorders[] = {
    // Pressed raised button: a thin shadow frame.
    {When::Yes, When::No, When::Any, When::Any, When::Any, Border::Shadow},
    // Pressed flat button with the 3D border on: sunken, except in the rounded style.
    {When::Yes, When::Yes, When::Any, When::Yes, When::No, Border::Sunken},
    // Raised button at rest: the classic two-line border.
    {When::No, When::No, When::Any, When::Any, When::Any, Border::Classic},
    // Lit flat button with the 3D border on: raised, except in the rounded style.
    {When::No, When::Yes, When::Yes, When::Yes, When::No, Border::Raised},
};

Border border_for(const LookInput& in, bool pressed) {
    for (const BorderRow& r : kBorders)
        if (matches(r.pressed, pressed) && matches(r.flat, in.flat) && matches(r.hovered, in.hovered) &&
            matches(r.border_3d, in.border_3d) && matches(r.rounded, in.rounded))
            return r.border;
    return Border::None;
}

bool present(const SIZE& s) { return s.cx > 0 && s.cy > 0; }

int choose_slot(const LookInput& in, bool pressed) {
    if (!present(in.pictures[kSlotHover]) && !present(in.pictures[kSlotNormal])) return kNoSlot;
    int slot;
    if (in.disabled)
        slot = present(in.pictures[kSlotDisabled]) ? kSlotDisabled : kSlotHover;
    else
        slot = !pressed && (in.toggle || !in.hovered) ? kSlotNormal : kSlotHover;
    if (!present(in.pictures[slot])) slot = slot == kSlotNormal ? kSlotHover : kSlotNormal;
    return slot;
}

// Places the picture and narrows the caption area by the alignment.
void place_picture(const LookInput& in, SIZE size, Look* look) {
    const RECT& r = look->body;
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int centred_x = r.left + (width - size.cx) / 2;
    const int centred_y = r.top + (height - size.cy) / 2;
    RECT& caption = look->caption_area;
    switch (in.alignment) {
    case 0:  // picture on the left
        if (!in.has_caption) {
            look->picture_at = {centred_x, centred_y};
            break;
        }
        look->picture_at = {r.left + kMargin, centred_y};
        caption.left = r.left + kMargin + size.cx;
        break;
    case 1:  // picture above the caption
        if (!in.has_caption) {
            look->picture_at = {centred_x, centred_y};
            break;
        }
        look->picture_at = {centred_x, kMargin};
        caption.top += size.cy;
        break;
    case 2:  // picture on the right
        if (!in.has_caption) {
            look->picture_at = {centred_x, r.top};
            break;
        }
        look->picture_at = {in.rect.right - in.rect.left - kMargin - size.cx, centred_y};
        caption.right -= caption.left + kMargin + size.cx;
        caption.left = kMargin;
        break;
    default:  // picture in the top-left corner, over the caption
        look->picture_at = {r.left, r.top};
        break;
    }
}

}  // namespace

Look plan_look(const LookInput& in) {
    Look look = {};
    look.pressed = in.selected || (in.toggle && in.checked);
    look.body = in.rect;
    look.black_frame = !in.flat && (in.focused || in.default_button);
    if (look.black_frame) InflateRect(&look.body, -1, -1);

    const ButtonColours& c = in.colours;
    look.under_colour = in.focused ? c.focus_back : c.normal_back;
    if (in.hovered || look.pressed) {
        look.background = in.rounded ? Background::HoverRounded : Background::Hover;
        look.background_colour = c.hover_back;
    } else {
        look.background = in.focused ? Background::Focused : Background::Normal;
        look.background_colour = look.under_colour;
    }
    look.border = border_for(in, look.pressed);

    // Content moves with the press, except on toggle buttons, whose pressed look is
    // a state rather than a moment.
    const bool shifted = look.pressed && !in.toggle;
    look.caption_area = look.body;
    look.picture_slot = choose_slot(in, look.pressed);
    if (look.picture_slot != kNoSlot) {
        look.picture_embossed = in.disabled && look.picture_slot != kSlotDisabled;
        place_picture(in, in.pictures[look.picture_slot], &look);
        if (shifted) {
            look.picture_at.x += in.press_offset.x;
            look.picture_at.y += in.press_offset.y;
        }
    }
    if (shifted) OffsetRect(&look.caption_area, in.press_offset.x, in.press_offset.y);

    look.caption_disabled = in.disabled;
    look.text_colour = (in.hovered || look.pressed) ? c.hover_text : (in.focused ? c.focus_text : c.normal_text);

    // A flat button marks its focus when asked to, or when the user moves by key and
    // would otherwise not see where the focus is.
    look.focus_mark = in.focused && (!in.flat || in.focus_rectangle || in.focus_cues);
    look.focus_rect = look.body;
    InflateRect(&look.focus_rect, -kFocusInset, -kFocusInset);
    return look;
}

}  // namespace forms
