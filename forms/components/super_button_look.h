// What the super button draws for a given state: decided here, as plain data, and
// carried out by the painter. Keeping the decisions apart lets the drawing state be
// checked without reading pixels.
#pragma once
#include <windows.h>

#include "forms/component_type.h"
#include "forms/components/super_button_colours.h"

namespace forms {

// Picture slots: hover and pressed, normal, disabled.
enum PictureSlotIndex : int { kSlotHover = 0, kSlotNormal = 1, kSlotDisabled = 2, kSlotCount = 3, kNoSlot = -1 };

struct LookInput {
    RECT rect;  // the item rectangle the platform gives
    bool selected, focused, disabled;  // the platform's item state
    bool hovered;
    bool flat, rounded, toggle, checked, default_button;
    bool border_3d, focus_rectangle;
    bool focus_cues;  // the window's UI state does not hide the focus (it was moved by key)
    u32 alignment;
    POINT press_offset;
    SIZE pictures[kSlotCount];  // 0 by 0: the slot is empty
    bool has_caption;
    ButtonColours colours;
};

enum class Background {
    Normal,        // the normal background
    Focused,       // the focused background
    Hover,         // the hover background, square
    HoverRounded,  // a rounded rectangle in the hover background with a black outline
};

enum class Border {
    None,
    Shadow,   // pressed, raised style: a thin frame in the shadow colour
    Sunken,   // pressed, flat: a sunken 3D rectangle
    Classic,  // not pressed, raised style: two lines on each side
    Raised,   // not pressed, flat and lit: a raised 3D rectangle
};

struct Look {
    bool pressed;
    bool black_frame;  // a black 1-pixel frame around the whole button
    RECT body;         // the rectangle inside that frame
    Background background;
    COLORREF background_colour;
    COLORREF under_colour;  // what shows around the rounded corners
    Border border;
    int picture_slot;  // kNoSlot when no picture is drawn
    bool picture_embossed;  // drawn in the platform's disabled look
    POINT picture_at;
    RECT caption_area;
    bool caption_disabled;  // engraved in highlight and shadow
    COLORREF text_colour;
    bool focus_mark;
    RECT focus_rect;
};

Look plan_look(const LookInput& in);

}  // namespace forms
