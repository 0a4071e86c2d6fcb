// Pictures at the display scale: a picture's pixels are template pixels, so a button's
// bitmap or icon and a super button's pictures grow with the DPI, pixel for pixel.
#include <windows.h>

#include "forms/components/picture_scale.h"
#include "forms/components/super_button_pictures.h"
#include "forms/display_scale.h"
#include "tests/components/component_blocks.h"
#include "tests/components/component_test_program.h"

namespace component_test {
namespace {

constexpr u32 kButton = 0x16010002;

// Four quadrants of four colours.
forms::Picture quadrants() {
    forms::Picture p = forms::Picture::blank(4, 4);
    const std::uint32_t colours[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80000000u};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) p.pixels()[y * 4 + x] = colours[(y / 2) * 2 + x / 2];
    return p;
}

TEST(PictureAtTest, EveryPixelGrowsIntoAScaledBlockOfTheSameColour) {
    const struct {
        int dpi;
        int side;
    } cases[] = {{96, 4}, {120, 5}, {144, 6}, {192, 8}};
    for (const auto& c : cases) {
        const forms::Picture source = quadrants();
        const std::uint32_t top_left = source.pixel(0, 0), bottom_right = source.pixel(3, 3);
        const forms::Picture scaled = forms::picture_at(quadrants(), c.dpi);
        ASSERT_EQ(scaled.width(), c.side) << c.dpi;
        ASSERT_EQ(scaled.height(), c.side) << c.dpi;
        for (int y = 0; y < c.side; ++y)
            for (int x = 0; x < c.side; ++x)
                EXPECT_EQ(scaled.pixel(x, y), source.pixel(x * 4 / c.side, y * 4 / c.side)) << c.dpi;
        EXPECT_EQ(scaled.pixel(0, 0), top_left);
        EXPECT_EQ(scaled.pixel(c.side - 1, c.side - 1), bottom_right);  // alpha kept as it was
    }
}

TEST(PictureAtTest, AnIconIsMadeAgainAtTheNewSize) {
    const forms::ByteBlock file = solid_ico(16, 0x00FF00);
    const forms::Picture scaled = forms::picture_at(forms::decode_picture(file.data(), static_cast<u32>(file.size())), 144);
    ASSERT_TRUE(scaled.is_icon());
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(scaled.icon(), &info));
    BITMAP colour = {};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 24);
    EXPECT_EQ(colour.bmHeight, 24);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(PictureAtTest, ASuperButtonSlotIsSizedForItsDpi) {
    const forms::ByteBlock bmp = solid_bmp(10, 6, 0x0000FF);
    for (int dpi : {96, 120, 144, 192}) {
        const forms::PictureSlot slot = forms::PictureSlot::make(bmp, forms::kDefaultColour, dpi);
        EXPECT_EQ(slot.size().cx, forms::to_device(10, dpi)) << dpi;
        EXPECT_EQ(slot.size().cy, forms::to_device(6, dpi)) << dpi;
    }
}

class ButtonPictureScaleTest : public ComponentTest {
protected:
    void TearDown() override {
        forms::set_window_system_dpi(0);
        ComponentTest::TearDown();
    }
    void load_with(const forms::ByteBlock& picture) {
        ButtonValues v;
        v.data(forms::kButtonPicture, picture);
        install({window_part(), component(kButton, kButtonTypeId, button_block(v), 10, 10, 80, 40)});
        ASSERT_TRUE(load());
    }
    SIZE bitmap_size() {
        const auto bitmap =
            reinterpret_cast<HBITMAP>(SendMessageW(component_handle(kButton), BM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP b = {};
        GetObjectW(bitmap, sizeof b, &b);
        return {b.bmWidth, b.bmHeight};
    }
};

TEST_F(ButtonPictureScaleTest, ABitmapButtonShowsItsPictureAtTheWindowsDpiAndFollowsAMove) {
    forms::set_window_system_dpi(144);
    load_with(solid_bmp(8, 4, 0x0000FF));
    EXPECT_EQ(bitmap_size().cx, 12);
    EXPECT_EQ(bitmap_size().cy, 6);

    forms::set_window_system_dpi(192);
    RECT suggested = {0, 0, 800, 600};
    SendMessageW(window_handle(), forms::kMsgDpiChanged, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(bitmap_size().cx, 16);
    EXPECT_EQ(bitmap_size().cy, 8);
}

}  // namespace
}  // namespace component_test
