// Decoding real pictures of every format: sizes, pixel values, alpha, ownership.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>

#include "forms/components/picture.h"
#include "tests/pictures/picture_samples.h"

namespace {

using forms::Picture;
using forms::PictureFormat;
using namespace picture_samples;

Picture decode(const Bytes& bytes) { return forms::decode_picture(bytes.data(), static_cast<forms::u32>(bytes.size())); }

struct ExpectedPixel {
    int x, y;
    std::uint32_t argb;
};

// Exact values, or within `tolerance` on each channel (lossy formats, drawn icons).
void expect_pixels(const Picture& picture, std::initializer_list<ExpectedPixel> expected, int tolerance = 0) {
    for (const ExpectedPixel& e : expected) {
        const std::uint32_t got = picture.pixel(e.x, e.y);
        for (int shift = 0; shift < 32; shift += 8) {
            const int g = static_cast<int>((got >> shift) & 0xFF);
            const int w = static_cast<int>((e.argb >> shift) & 0xFF);
            EXPECT_LE(std::abs(g - w), tolerance)
                << "pixel (" << e.x << ", " << e.y << ") is " << std::hex << got << ", want " << e.argb;
        }
    }
}

TEST(PictureFormatTest, SignaturesDecideNotNames) {
    EXPECT_EQ(forms::picture_format(sample_png_rgba().data(), 8), PictureFormat::Png);
    EXPECT_EQ(forms::picture_format(sample_jpeg_grey().data(), 3), PictureFormat::Jpeg);
    EXPECT_EQ(forms::picture_format(sample_bmp_24_bottom_up().data(), 2), PictureFormat::Bmp);
    EXPECT_EQ(forms::picture_format(sample_icon_32().data(), 4), PictureFormat::Icon);
    EXPECT_EQ(forms::picture_format(sample_cursor().data(), 4), PictureFormat::Cursor);
    // One byte short of each signature, and look-alikes.
    EXPECT_EQ(forms::picture_format(sample_png_rgba().data(), 7), PictureFormat::Unknown);
    EXPECT_EQ(forms::picture_format(sample_jpeg_grey().data(), 2), PictureFormat::Unknown);
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
    const Bytes three_type = {0, 0, 3, 0, 1, 0};
    EXPECT_EQ(forms::picture_format(gif.data(), 10), PictureFormat::Unknown);
    EXPECT_EQ(forms::picture_format(three_type.data(), 6), PictureFormat::Unknown);
    EXPECT_EQ(forms::picture_format(nullptr, 100), PictureFormat::Unknown);
    EXPECT_FALSE(decode(gif));
}

TEST(PngDecodeTest, TrueColourAlphaIsPremultiplied) {
    const Picture p = decode(sample_png_rgba());
    ASSERT_TRUE(p);
    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.height(), 2);
    EXPECT_FALSE(p.is_icon());
    EXPECT_TRUE(p.has_transparency());
    expect_pixels(p, {{0, 0, opaque(255, 0, 0)},
                      {1, 0, premultiplied(0, 255, 0, 128)},
                      {2, 0, 0x00000000},
                      {0, 1, opaque(255, 255, 255)},
                      {1, 1, premultiplied(10, 20, 30, 200)},
                      {2, 1, premultiplied(200, 100, 50, 64)}});
    // The section's bits are the pixels GDI draws, top row first.
    DIBSECTION section{};
    ASSERT_EQ(GetObject(p.bitmap(), sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
    EXPECT_EQ(section.dsBm.bmBits, p.pixels());
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, p.bitmap());
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
}

TEST(PngDecodeTest, PaletteWithTransparencyEntries) {
    const Picture p = decode(sample_png_palette());
    ASSERT_TRUE(p);
    EXPECT_EQ(p.width(), 5);
    EXPECT_EQ(p.height(), 2);
    const std::uint32_t red = opaque(255, 0, 0), clear = 0, half_blue = premultiplied(0, 0, 255, 128),
                        yellow = opaque(255, 255, 0);
    expect_pixels(p, {{0, 0, red}, {1, 0, clear}, {2, 0, half_blue}, {3, 0, yellow}, {4, 0, red},
                      {0, 1, yellow}, {1, 1, half_blue}, {2, 1, clear}, {3, 1, red}, {4, 1, yellow}});
}

TEST(PngDecodeTest, AdamSevenInterlacedRows) {
    const Picture p = decode(sample_png_interlaced());
    ASSERT_TRUE(p);
    ASSERT_EQ(p.width(), 9);
    ASSERT_EQ(p.height(), 9);
    EXPECT_FALSE(p.has_transparency());
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(p.pixel(x, y), opaque(x * 25, y * 25, (x + y) * 12)) << x << ", " << y;
}

TEST(PngDecodeTest, GreyDepthsAndGreyKey) {
    struct Case {
        const char* name;
        PngImage image;
        std::initializer_list<ExpectedPixel> expected;
    };
    PngImage one_bit{9, 1, PNG_COLOR_TYPE_GRAY, 1, false, {}, {}, -1, {{0xA5, 0x80}}};  // 1010 0101 1
    PngImage grey_alpha_16{2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, {}, {}, -1,
                           {{0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x80, 0x80, 0x80}}};
    PngImage keyed{3, 1, PNG_COLOR_TYPE_GRAY, 8, false, {}, {}, 50, {{50, 51, 200}}};
    PngImage rgb_16{1, 1, PNG_COLOR_TYPE_RGB, 16, false, {}, {}, -1, {{0xFF, 0xFF, 0x00, 0x00, 0x40, 0x40}}};
    const Case cases[] = {
        {"1-bit grey", one_bit, {{0, 0, opaque(255, 255, 255)}, {1, 0, opaque(0, 0, 0)}, {5, 0, opaque(255, 255, 255)},
                                 {6, 0, opaque(0, 0, 0)}, {8, 0, opaque(255, 255, 255)}}},
        {"16-bit grey and alpha", grey_alpha_16, {{0, 0, opaque(255, 255, 255)}, {1, 0, premultiplied(128, 128, 128, 128)}}},
        {"grey key", keyed, {{0, 0, 0x00000000}, {1, 0, opaque(51, 51, 51)}, {2, 0, opaque(200, 200, 200)}}},
        {"16-bit RGB", rgb_16, {{0, 0, opaque(255, 0, 64)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture p = decode(encode_png(c.image));
        ASSERT_TRUE(p);
        EXPECT_EQ(p.width(), c.image.width);
        expect_pixels(p, c.expected);
    }
}

TEST(JpegDecodeTest, GreyscaleBlocks) {
    const Picture p = decode(sample_jpeg_grey());
    ASSERT_TRUE(p);
    ASSERT_EQ(p.width(), 16);
    ASSERT_EQ(p.height(), 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const unsigned v = y < 8 ? (x < 8 ? 20 : 90) : (x < 8 ? 160 : 230);
            expect_pixels(p, {{x, y, opaque(v, v, v)}}, 3);
            const std::uint32_t got = p.pixel(x, y);
            ASSERT_TRUE((got & 0xFF) == ((got >> 8) & 0xFF) && (got & 0xFF) == ((got >> 16) & 0xFF)) << "not grey";
        }
}

TEST(JpegDecodeTest, ColourQuadrantsBaselineAndProgressive) {
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const Picture p = decode(sample_jpeg_colour(progressive));
        ASSERT_TRUE(p);
        ASSERT_EQ(p.width(), 32);
        ASSERT_EQ(p.height(), 32);
        EXPECT_FALSE(p.has_transparency());
        // Away from the quadrant edges, where chroma subsampling blends colours.
        for (int y : {3, 8, 12})
            for (int x : {3, 8, 12}) {
                expect_pixels(p, {{x, y, opaque(255, 0, 0)}, {x + 16, y, opaque(0, 255, 0)},
                                  {x, y + 16, opaque(0, 0, 255)}, {x + 16, y + 16, opaque(255, 255, 0)}}, 10);
            }
    }
}

TEST(JpegDecodeTest, AdobeCmyk) {
    const Picture p = decode(sample_jpeg_cmyk());
    ASSERT_TRUE(p);
    ASSERT_EQ(p.width(), 16);
    expect_pixels(p, {{2, 2, opaque(0, 255, 255)}, {5, 13, opaque(0, 255, 255)}, {12, 4, opaque(128, 128, 128)}}, 6);
}

TEST(BmpDecodeTest, BottomUpTwentyFourBits) {
    const Picture p = decode(sample_bmp_24_bottom_up());
    ASSERT_TRUE(p);
    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.height(), 2);
    expect_pixels(p, {{0, 0, opaque(255, 0, 0)}, {1, 0, opaque(0, 255, 0)}, {2, 0, opaque(0, 0, 255)},
                      {0, 1, opaque(255, 255, 255)}, {1, 1, opaque(0, 0, 0)}, {2, 1, opaque(10, 20, 30)}});
}

TEST(BmpDecodeTest, TopDownPalette) {
    const Picture p = decode(sample_bmp_8_top_down());
    ASSERT_TRUE(p);
    EXPECT_EQ(p.height(), 2);
    const std::uint32_t r = opaque(200, 0, 0), g = opaque(0, 200, 0), b = opaque(0, 0, 200);
    expect_pixels(p, {{0, 0, r}, {1, 0, g}, {2, 0, b}, {0, 1, b}, {1, 1, b}, {2, 1, g}});
}

TEST(BmpDecodeTest, ThirtyTwoBitsAlphaOnlyWhenPresent) {
    const Picture with_alpha = decode(sample_bmp_32(true));
    ASSERT_TRUE(with_alpha);
    expect_pixels(with_alpha, {{0, 0, opaque(255, 0, 0)}, {1, 0, premultiplied(0, 0, 255, 128)},
                               {0, 1, 0x00000000}, {1, 1, premultiplied(255, 255, 255, 64)}});
    // All fourth bytes zero: an ordinary opaque bitmap, not an invisible one.
    const Picture plain = decode(sample_bmp_32(false));
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain.has_transparency());
    expect_pixels(plain, {{0, 0, opaque(255, 0, 0)}, {1, 0, opaque(0, 0, 255)}, {0, 1, opaque(0, 255, 0)},
                          {1, 1, opaque(255, 255, 255)}});
}

TEST(BmpDecodeTest, CoreHeaderRunLengthAndBitfields) {
    const Picture core = decode(sample_bmp_core_1bit());
    ASSERT_TRUE(core);
    EXPECT_EQ(core.width(), 10);
    const std::uint32_t on = opaque(255, 128, 0), off = opaque(0, 0, 0);
    expect_pixels(core, {{0, 0, on}, {1, 0, off}, {8, 0, on}, {9, 0, off}, {4, 1, on}, {5, 1, off}});

    const Picture rle = decode(sample_bmp_rle8());
    ASSERT_TRUE(rle);
    EXPECT_EQ(rle.width(), 4);
    const std::uint32_t grey = opaque(10, 10, 10), red = opaque(250, 0, 0), blue = opaque(0, 0, 250);
    expect_pixels(rle, {{0, 0, grey}, {1, 0, blue}, {2, 0, red}, {3, 0, grey},
                        {0, 1, red}, {1, 1, red}, {2, 1, red}, {3, 1, red}});

    const Picture masks = decode(sample_bmp_bitfields_565());
    ASSERT_TRUE(masks);
    expect_pixels(masks, {{0, 0, opaque(255, 0, 0)}, {1, 0, opaque(0, 255, 0)}});
}

TEST(IconDecodeTest, AlphaIconKeepsIconAndAlpha) {
    const Picture p = decode(sample_icon_32());
    ASSERT_TRUE(p);
    ASSERT_TRUE(p.is_icon());
    EXPECT_EQ(p.width(), 4);
    EXPECT_EQ(p.height(), 4);
    for (int y = 0; y < 4; ++y)
        expect_pixels(p, {{0, y, opaque(200, 100, 50)}, {1, y, premultiplied(200, 100, 50, 192)},
                          {2, y, premultiplied(200, 100, 50, 64)}, {3, y, 0x00000000}}, 2);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(p.icon(), &info));
    EXPECT_TRUE(info.fIcon);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(IconDecodeTest, MaskedIconIsTransparentUnderTheMask) {
    const Picture p = decode(sample_icon_24_masked());
    ASSERT_TRUE(p);
    for (int y = 0; y < 4; ++y)
        expect_pixels(p, {{0, y, 0x00000000},
                          {1, y, opaque(y * 60, 128, 255 - y * 60)},
                          {3, y, opaque(y * 60, 128, 255 - y * 60)}});
}

TEST(IconDecodeTest, CursorKeepsItsHotSpot) {
    const Picture p = decode(sample_cursor());
    ASSERT_TRUE(p);
    ASSERT_TRUE(p.is_icon());
    EXPECT_EQ(p.width(), 4);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(p.icon(), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 1u);
    EXPECT_EQ(info.yHotspot, 2u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(PictureTest, OverABackgroundIsOpaque) {
    const Picture p = decode(sample_png_rgba());
    ASSERT_TRUE(p);
    const Picture flat = p.over(RGB(0, 0, 255));
    ASSERT_TRUE(flat);
    EXPECT_FALSE(flat.is_icon());
    EXPECT_FALSE(flat.has_transparency());
    expect_pixels(flat, {{0, 0, opaque(255, 0, 0)},
                         {1, 0, opaque(0, 128, 127)},  // half green over blue
                         {2, 0, opaque(0, 0, 255)},    // fully transparent: the background
                         {2, 1, opaque(50, 25, 204)}});
    // An icon picture flattened is a plain bitmap.
    const Picture icon = decode(sample_icon_32());
    ASSERT_TRUE(icon);
    const Picture icon_flat = icon.over(RGB(255, 255, 255));
    ASSERT_TRUE(icon_flat);
    EXPECT_FALSE(icon_flat.is_icon());
    expect_pixels(icon_flat, {{3, 0, opaque(255, 255, 255)}, {0, 0, opaque(200, 100, 50)}}, 2);
}

TEST(PictureTest, HandlesLiveExactlyAsLongAsTheirOwner) {
    HBITMAP bitmap = nullptr;
    HICON icon = nullptr;
    {
        Picture first = decode(sample_icon_32());
        ASSERT_TRUE(first);
        bitmap = first.bitmap();
        icon = first.icon();
        Picture moved = std::move(first);
        EXPECT_FALSE(first);
        EXPECT_EQ(first.icon(), nullptr);
        EXPECT_EQ(moved.bitmap(), bitmap);
        EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);

        // Assigning over a picture releases what it held.
        Picture other = decode(sample_png_rgba());
        HBITMAP replaced = other.bitmap();
        other = std::move(moved);
        EXPECT_EQ(GetObjectType(replaced), 0u);
        EXPECT_EQ(other.bitmap(), bitmap);
    }
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(icon, &info));
}

}  // namespace
