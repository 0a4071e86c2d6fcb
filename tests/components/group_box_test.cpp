// The group box: the caption alignment switched on write, the colours it
// hands its frame, the background it erases, and the components it contains, whose
// notifications still reach their own handlers.
#include <windows.h>

#include "tests/components/component_blocks.h"
#include "tests/components/component_test_program.h"

namespace component_test {
namespace {

constexpr u32 kBox = 0x16010002, kInside = 0x16010003;
constexpr COLORREF kBlue = RGB(0, 0, 255);

void load_box(const GroupValues& v) {
    Part box = component(kBox, kGroupBoxTypeId, group_block(v), 10, 10, 200, 100);
    box.children = {kInside};
    CheckValues inside;
    inside.text(forms::kCheckCaption, "里面");
    Part check = component(kInside, kCheckBoxTypeId, check_block(inside), 12, 30, 100, 24);
    check.container = kBox;
    install({window_part(), box, check});
    ASSERT_TRUE(load());
}

struct ColourAnswer {
    COLORREF text, back;
    HBRUSH brush;
};

// What the group box answers when its frame asks its parent for colours.
ColourAnswer colours_of(u32 id) {
    const HWND h = component_handle(id);
    HDC dc = GetDC(h);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(h), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(h)));
    const ColourAnswer a = {GetTextColor(dc), GetBkColor(dc), brush};
    ReleaseDC(h, dc);
    return a;
}

COLORREF brush_colour(HBRUSH brush) {
    LOGBRUSH b{};
    GetObjectW(brush, sizeof b, &b);
    return b.lbColor;
}

using GroupBoxTest = ComponentTest;

TEST_F(GroupBoxTest, FramesWithTheGroupBoxStyle) {
    GroupValues v;
    v.words({
        {forms::kGroupAlignment, 1}, {forms::kGroupCaptionColour, 0xFF0000}, {forms::kGroupBackColour, 0x00FFFF}
    });
    v.data(forms::kGroupFont, font_record("Tahoma"));
    v.text(forms::kGroupCaption, "优化相关");
    load_box(v);
    const DWORD style = style_of(kBox);
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
    EXPECT_EQ(style & BS_CENTER, static_cast<DWORD>(BS_CENTER));
}

TEST_F(GroupBoxTest, CaptionAlignmentIsClampedOnWrite) {
    load_box(GroupValues{});
    const struct {
        u32 written, stored;
        DWORD style;
    } cases[] = {{7, 2, BS_RIGHT}, {static_cast<u32>(-1), 0, BS_LEFT}, {1, 1, BS_CENTER}};
    for (const auto& c : cases) {
        write(kBox, 9, c.written);
        EXPECT_EQ(read(kBox, 9), c.stored) << c.written;
        EXPECT_EQ(style_of(kBox) & BS_CENTER, c.style) << c.written;
    }
    set_directly(kBox, 9, {static_cast<u32>(-1), 0});  // as no property service would pass it
    EXPECT_EQ(read(kBox, 9), 0u);
}

TEST_F(GroupBoxTest, HandsItsFrameTheCaptionColourAndItsBackground) {
    GroupValues v;
    v.word(forms::kGroupCaptionColour, 0xFF0000);
    v.word(forms::kGroupBackColour, 0x00FFFF);
    load_box(v);
    ColourAnswer a = colours_of(kBox);
    EXPECT_EQ(a.text, 0xFF0000u);
    EXPECT_EQ(a.back, 0x00FFFFu);
    EXPECT_EQ(brush_colour(a.brush), 0x00FFFFu);
    EXPECT_EQ(erased(component_handle(kBox)).count(0x00FFFF), 200 * 100);

    // The default colour is the current button face, brush included.
    write(kBox, 11, 0xFF000000);
    write(kBox, 10, 0x0000FF);
    a = colours_of(kBox);
    EXPECT_EQ(a.text, 0x0000FFu);
    EXPECT_EQ(a.back, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(a.brush, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(erased(component_handle(kBox)).count(GetSysColor(COLOR_BTNFACE)), 200 * 100);
}

TEST_F(GroupBoxTest, DrawsItsCaptionInTheCaptionColour) {
    GroupValues v;
    v.word(forms::kGroupCaptionColour, 0xFF0000);
    v.text(forms::kGroupCaption, "LOL国服主页替换");
    load_box(v);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Pixels p = on_screen(component_handle(kBox));
    EXPECT_GT(p.count_toward(kBlue, face), 40);
    EXPECT_LT(p.bounds_toward(kBlue, face).bottom, 20);  // the caption sits on the top edge
    write_text(kBox, 8, "");
    EXPECT_EQ(on_screen(component_handle(kBox)).count_toward(kBlue, face), 0);
}

TEST_F(GroupBoxTest, ContainsItsChildrenAndTheirClicksStillReachTheirHandlers) {
    load_box(GroupValues{});
    const HWND inside = component_handle(kInside);
    EXPECT_EQ(GetParent(inside), component_handle(kBox));
    SendMessageW(inside, BM_CLICK, 0, 0);
    EXPECT_TRUE(events_are(logged(forms::kEventClicked), {{0, kInside}}));
    EXPECT_EQ(read(kInside, 18), 1u);
}

}  // namespace
}  // namespace component_test
