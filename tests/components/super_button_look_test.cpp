// What the super button decides to draw in each state and style: frame, background,
// border, picture slot and place, caption area and colour, focus rectangle.
#include "forms/components/super_button_look.h"

#include <gtest/gtest.h>

namespace drive_super_test {
namespace {

using forms::u32;

using forms::Background;
using forms::Border;
using forms::LookInput;

constexpr forms::ButtonColours kColours = {0x000001, 0x0000A1, 0x000002, 0x0000A2, 0x000003, 0x0000A3};

LookInput base() {
    LookInput in = {};
    in.rect = {0, 0, 100, 40};
    in.flat = true;
    in.border_3d = true;
    in.press_offset = {1, 1};
    in.has_caption = true;
    in.colours = kColours;
    return in;
}

enum Style { kFlat, kRaised, kRounded };

// One state of one style and what it must look like.
struct Row {
    const char* what;
    Style style;
    bool selected, focused, disabled, hovered, toggle, checked, default_button, border_3d, focus_rectangle;
    bool pressed, black_frame;
    Background background;
    COLORREF background_colour;
    Border border;
    COLORREF text;
    bool focus_mark;
};

constexpr Row kRows[] = {
    // what                         style    sel    focus  dis    hover  toggle check  def    3d     focus-r
    {"flat at rest", kFlat, false, false, false, false, false, false, false, true, false,
     false, false, Background::Normal, 0x0000A1, Border::None, 0x000001, false},
    {"flat hovered", kFlat, false, false, false, true, false, false, false, true, false,
     false, false, Background::Hover, 0x0000A2, Border::Raised, 0x000002, false},
    {"flat hovered, no 3D border", kFlat, false, false, false, true, false, false, false, false, false,
     false, false, Background::Hover, 0x0000A2, Border::None, 0x000002, false},
    {"flat pressed", kFlat, true, true, false, true, false, false, false, true, false,
     true, false, Background::Hover, 0x0000A2, Border::Sunken, 0x000002, false},
    {"flat pressed, no 3D border", kFlat, true, false, false, true, false, false, false, false, false,
     true, false, Background::Hover, 0x0000A2, Border::None, 0x000002, false},
    {"flat focused", kFlat, false, true, false, false, false, false, false, true, false,
     false, false, Background::Focused, 0x0000A3, Border::None, 0x000003, false},
    {"flat focused with its focus rectangle", kFlat, false, true, false, false, false, false, false, true, true,
     false, false, Background::Focused, 0x0000A3, Border::None, 0x000003, true},
    {"flat default button: no black frame", kFlat, false, false, false, false, false, false, true, true, false,
     false, false, Background::Normal, 0x0000A1, Border::None, 0x000001, false},
    {"rounded hovered", kRounded, false, false, false, true, false, false, false, true, false,
     false, false, Background::HoverRounded, 0x0000A2, Border::None, 0x000002, false},
    {"rounded pressed", kRounded, true, false, false, true, false, false, false, true, false,
     true, false, Background::HoverRounded, 0x0000A2, Border::None, 0x000002, false},
    {"raised at rest", kRaised, false, false, false, false, false, false, false, true, false,
     false, false, Background::Normal, 0x0000A1, Border::Classic, 0x000001, false},
    {"raised focused", kRaised, false, true, false, false, false, false, false, true, false,
     false, true, Background::Focused, 0x0000A3, Border::Classic, 0x000003, true},
    {"raised default button", kRaised, false, false, false, false, false, false, true, true, false,
     false, true, Background::Normal, 0x0000A1, Border::Classic, 0x000001, false},
    {"raised pressed", kRaised, true, true, false, false, false, false, false, true, false,
     true, true, Background::Hover, 0x0000A2, Border::Shadow, 0x000002, true},
    {"flat toggle, checked, mouse away", kFlat, false, false, false, false, true, true, false, true, false,
     true, false, Background::Hover, 0x0000A2, Border::Sunken, 0x000002, false},
    {"flat toggle, unchecked", kFlat, false, false, false, false, true, false, false, true, false,
     false, false, Background::Normal, 0x0000A1, Border::None, 0x000001, false},
    {"checked but not a toggle button", kFlat, false, false, false, false, false, true, false, true, false,
     false, false, Background::Normal, 0x0000A1, Border::None, 0x000001, false},
};

TEST(SuperButtonLook, EachStateOfEachStyle) {
    for (const Row& r : kRows) {
        LookInput in = base();
        in.flat = r.style != kRaised;
        in.rounded = r.style == kRounded;
        in.selected = r.selected;
        in.focused = r.focused;
        in.disabled = r.disabled;
        in.hovered = r.hovered;
        in.toggle = r.toggle;
        in.checked = r.checked;
        in.default_button = r.default_button;
        in.border_3d = r.border_3d;
        in.focus_rectangle = r.focus_rectangle;
        const forms::Look look = forms::plan_look(in);
        SCOPED_TRACE(r.what);
        EXPECT_EQ(look.pressed, r.pressed);
        EXPECT_EQ(look.black_frame, r.black_frame);
        EXPECT_EQ(look.background, r.background);
        EXPECT_EQ(look.background_colour, r.background_colour);
        EXPECT_EQ(look.border, r.border);
        EXPECT_EQ(look.text_colour, r.text);
        EXPECT_EQ(look.focus_mark, r.focus_mark);
        EXPECT_FALSE(look.caption_disabled);
        const int inset = r.black_frame ? 1 : 0;
        EXPECT_EQ(look.body.left, inset);
        EXPECT_EQ(look.body.bottom, 40 - inset);
        if (look.focus_mark) {
            EXPECT_EQ(look.focus_rect.left, inset + 3);
            EXPECT_EQ(look.focus_rect.bottom, 40 - inset - 3);
        }
    }
}

TEST(SuperButtonLook, FocusCuesMarkTheFocusOfFlatButtons) {
    struct Row {
        const char* what;
        Style style;
        bool focused, focus_cues;
        bool focus_mark;
    } rows[] = {
        {"flat, focused, cues shown", kFlat, true, true, true},
        {"flat, focused, cues hidden", kFlat, true, false, false},
        {"flat, cues shown but not focused", kFlat, false, true, false},
        {"rounded, focused, cues shown", kRounded, true, true, true},
        {"raised, focused, cues hidden: marked as always", kRaised, true, false, true},
    };
    for (const Row& r : rows) {
        LookInput in = base();
        in.flat = r.style != kRaised;
        in.rounded = r.style == kRounded;
        in.focused = r.focused;
        in.focus_cues = r.focus_cues;
        const forms::Look look = forms::plan_look(in);
        SCOPED_TRACE(r.what);
        EXPECT_EQ(look.focus_mark, r.focus_mark);
        if (look.focus_mark) {
            const int inset = r.style == kRaised ? 4 : 3;  // inside the black frame when raised
            EXPECT_EQ(look.focus_rect.left, inset);
            EXPECT_EQ(look.focus_rect.top, inset);
            EXPECT_EQ(look.focus_rect.right, 100 - inset);
            EXPECT_EQ(look.focus_rect.bottom, 40 - inset);
        }
    }
}

TEST(SuperButtonLook, PressingMovesTheCaptionByTheOffsetExceptOnToggleButtons) {
    LookInput in = base();
    in.selected = true;
    EXPECT_EQ(forms::plan_look(in).caption_area.left, 1);
    EXPECT_EQ(forms::plan_look(in).caption_area.top, 1);
    in.press_offset = {0, 2};
    EXPECT_EQ(forms::plan_look(in).caption_area.left, 0);
    EXPECT_EQ(forms::plan_look(in).caption_area.top, 2);
    in.toggle = true;
    EXPECT_EQ(forms::plan_look(in).caption_area.top, 0);
    in.selected = false;
    in.checked = true;  // drawn pressed, not moved
    EXPECT_TRUE(forms::plan_look(in).pressed);
    EXPECT_EQ(forms::plan_look(in).caption_area.top, 0);
}

TEST(SuperButtonLook, DisabledButtonsEngraveTheCaptionAndEmbossOrSwapThePicture) {
    LookInput in = base();
    in.disabled = true;
    in.pictures[forms::kSlotNormal] = {16, 16};
    forms::Look look = forms::plan_look(in);
    EXPECT_TRUE(look.caption_disabled);
    // Without a disabled picture: the hover slot first, falling back to the normal one.
    EXPECT_EQ(look.picture_slot, forms::kSlotNormal);
    EXPECT_TRUE(look.picture_embossed);
    in.pictures[forms::kSlotHover] = {16, 16};
    EXPECT_EQ(forms::plan_look(in).picture_slot, forms::kSlotHover);
    in.pictures[forms::kSlotDisabled] = {16, 16};
    look = forms::plan_look(in);
    EXPECT_EQ(look.picture_slot, forms::kSlotDisabled);
    EXPECT_FALSE(look.picture_embossed);
}

TEST(SuperButtonLook, ThePictureSlotFollowsHoverPressAndToggle) {
    struct Row {
        const char* what;
        bool normal, hover, selected, hovered, toggle, checked;
        int slot;
    } rows[] = {
        {"no pictures", false, false, false, false, false, false, forms::kNoSlot},
        {"only a disabled picture is not drawn enabled", false, false, false, true, false, false, forms::kNoSlot},
        {"at rest", true, true, false, false, false, false, forms::kSlotNormal},
        {"hovered", true, true, false, true, false, false, forms::kSlotHover},
        {"pressed", true, true, true, true, false, false, forms::kSlotHover},
        {"hovered toggle keeps the normal picture", true, true, false, true, true, false, forms::kSlotNormal},
        {"checked toggle shows the pressed picture", true, true, false, false, true, true, forms::kSlotHover},
        {"hovered without a hover picture", true, false, false, true, false, false, forms::kSlotNormal},
        {"at rest without a normal picture", false, true, false, false, false, false, forms::kSlotHover},
    };
    for (const Row& r : rows) {
        LookInput in = base();
        if (r.normal) in.pictures[forms::kSlotNormal] = {10, 10};
        if (r.hover) in.pictures[forms::kSlotHover] = {10, 10};
        in.pictures[forms::kSlotDisabled] = {10, 10};
        in.selected = r.selected;
        in.hovered = r.hovered;
        in.toggle = r.toggle;
        in.checked = r.checked;
        const forms::Look look = forms::plan_look(in);
        EXPECT_EQ(look.picture_slot, r.slot) << r.what;
        EXPECT_FALSE(look.picture_embossed) << r.what;
    }
}

TEST(SuperButtonLook, PlacesThePictureAndCaptionAreaByAlignment) {
    struct Row {
        u32 alignment;
        bool caption;
        POINT picture;
        RECT caption_area;
    } rows[] = {
        {0, true, {3, 12}, {19, 0, 100, 40}},   // left of the caption, centred vertically
        {0, false, {42, 12}, {0, 0, 100, 40}},  // centred both ways
        {1, true, {42, 3}, {0, 16, 100, 40}},   // above the caption
        {1, false, {42, 12}, {0, 0, 100, 40}},
        {2, true, {81, 12}, {3, 0, 81, 40}},    // right of the caption
        {2, false, {42, 0}, {0, 0, 100, 40}},   // centred horizontally at the top
        {3, true, {0, 0}, {0, 0, 100, 40}},     // top-left corner, caption unchanged
    };
    for (const Row& r : rows) {
        LookInput in = base();
        in.pictures[forms::kSlotNormal] = {16, 16};
        in.alignment = r.alignment;
        in.has_caption = r.caption;
        const forms::Look look = forms::plan_look(in);
        SCOPED_TRACE(testing::Message() << "alignment " << r.alignment << (r.caption ? " with" : " without"));
        EXPECT_EQ(look.picture_at.x, r.picture.x);
        EXPECT_EQ(look.picture_at.y, r.picture.y);
        EXPECT_EQ(look.caption_area.left, r.caption_area.left);
        EXPECT_EQ(look.caption_area.top, r.caption_area.top);
        EXPECT_EQ(look.caption_area.right, r.caption_area.right);
        EXPECT_EQ(look.caption_area.bottom, r.caption_area.bottom);
    }
    // Pressed, the picture moves with the offset too.
    LookInput in = base();
    in.pictures[forms::kSlotNormal] = {16, 16};
    in.selected = true;
    in.press_offset = {0, 2};
    EXPECT_EQ(forms::plan_look(in).picture_at.x, 3);
    EXPECT_EQ(forms::plan_look(in).picture_at.y, 14);
}

}  // namespace
}  // namespace drive_super_test
