// The label: its platform window and frame, and what it paints: the gradient border, the background picture by placement, the
// gradient fills, the background colour, and the caption with alignment, wrap and
// effects; and that painting it leaves no GDI objects behind.
#include <windows.h>

#include "forms/components/label_object.h"
#include "forms/display_scale.h"
#include "runtime/memory.h"
#include "tests/components/component_blocks.h"
#include "tests/components/component_test_program.h"
#include "tests/components/shown_text.h"
#include "tests/support/gdi_census.h"

namespace component_test {
namespace {

constexpr u32 kLabel = 0x16010002;
constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255), kBlack = RGB(0, 0, 0), kWhiteRgb = RGB(255, 255, 255);

// A label without a caption, on green, inside a gradient border (kind 6) `width`
// wide whose ring colours `rings` sets.
LabelValues gradient_bordered(u32 width, std::initializer_list<std::pair<i32, u32>> rings) {
    LabelValues v;
    v.words({{forms::kLabelBorder, 6}, {forms::kLabelBorderWidth, width}, {forms::kLabelBackColour, 0x00FF00}});
    v.words(rings);
    v.text(forms::kLabelCaption, "");
    return v;
}

void load_label(const LabelValues& v, i32 width = 120, i32 height = 40) {
    install({window_part(), component(kLabel, kLabelTypeId, label_block(v), 10, 10, width, height)});
    ASSERT_TRUE(load());
}

// A label of this size showing `caption` in `text_colour` on `back_colour`.
void load_caption(const char* caption, u32 text_colour, u32 back_colour, i32 width, i32 height) {
    LabelValues v;
    v.text(forms::kLabelCaption, caption);
    v.word(forms::kLabelTextColour, text_colour);
    v.word(forms::kLabelBackColour, back_colour);
    load_label(v, width, height);
}

std::string face_of(u32 id, i32 index) {
    char* face = reinterpret_cast<char*>(static_cast<u32>(read(id, index, 6)));
    std::string out = face ? face : "";
    rt::release(face);
    return out;
}

int width_of(const RECT& r) { return r.right - r.left; }

using LabelTest = ComponentTest;

TEST_F(LabelTest, IsALabelWindowShowingItsCaptionInItsFont) {
    LabelValues v;
    v.data(forms::kLabelFont, font_record("Tahoma"));
    v.text(forms::kLabelCaption, "说明文字");
    load_label(v);
    EXPECT_EQ(face_of(kLabel, 15), "Tahoma");
    EXPECT_EQ(shown_text(component_handle(kLabel)), "说明文字");
    wchar_t cls[32] = {};
    GetClassNameW(component_handle(kLabel), cls, 32);
    EXPECT_STREQ(cls, L"_QX_Label");
}

TEST_F(LabelTest, BordersOneToFiveUseThePlatformFrame) {
    const struct {
        u32 border;
        DWORD style;     // WS_BORDER or 0
        DWORD ex_style;  // among client edge, dialog-modal frame, static edge
    } frames[] = {
        {0, 0, 0},
        {1, 0, WS_EX_CLIENTEDGE},
        {2, 0, WS_EX_DLGMODALFRAME},
        {3, 0, WS_EX_STATICEDGE},
        {4, 0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME},
        {5, WS_BORDER, 0},
        {6, 0, 0},
    };
    constexpr DWORD kEdges = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
    LabelValues at_creation;
    at_creation.word(forms::kLabelBorder, 4);
    load_label(at_creation);
    EXPECT_EQ(ex_style_of(kLabel) & kEdges, static_cast<DWORD>(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME));
    for (const auto& f : frames) {
        write(kLabel, 10, f.border);
        EXPECT_EQ(style_of(kLabel) & WS_BORDER, f.style) << "border " << f.border;
        EXPECT_EQ(ex_style_of(kLabel) & kEdges, f.ex_style) << "border " << f.border;
        RECT client;
        GetClientRect(component_handle(kLabel), &client);
        // The frame takes its room from the client area at once.
        EXPECT_EQ(client.right < 120, f.style != 0 || f.ex_style != 0) << "border " << f.border;
    }
}

TEST_F(LabelTest, GradientBorderRunsThroughTheUsableColoursAndShrinksTheRest) {
    LabelValues v = gradient_bordered(5, {
        {forms::kLabelBorderColour1, 0x0000FF},  // red
        {forms::kLabelBorderColour2, kDefault},  // not used
        {forms::kLabelBorderColour3, 0xFF0000},  // blue
    });
    load_label(v);
    const Pixels p = printed(component_handle(kLabel));
    EXPECT_EQ(p.at(0, 0), kRed);        // outermost ring: the first colour
    EXPECT_EQ(p.at(4, 20), kBlue);      // innermost ring: the last colour
    EXPECT_EQ(p.at(119, 39), kRed);
    EXPECT_EQ(p.at(115, 20), kBlue);
    EXPECT_EQ(p.at(2, 20), RGB(128, 0, 128));  // half way through
    EXPECT_EQ(p.at(5, 20), kGreen);     // the rest is background
    // An empty caption: border and background only.
    EXPECT_EQ(p.count(kGreen), (120 - 10) * (40 - 10));
}

TEST_F(LabelTest, AtTwiceTheScaleTheGradientBorderIsTwiceAsWide) {
    LabelValues v =
        gradient_bordered(5, {{forms::kLabelBorderColour1, 0x0000FF}, {forms::kLabelBorderColour3, 0xFF0000}});
    struct Twice {
        Twice() { forms::set_window_system_dpi(192); }
        ~Twice() { forms::set_window_system_dpi(0); }
    } twice;
    load_label(v);
    const Pixels p = printed(component_handle(kLabel));
    EXPECT_EQ(p.count(kGreen), (240 - 20) * (80 - 20));
    EXPECT_EQ(p.at(9, 40), kBlue);
    EXPECT_EQ(p.at(10, 40), kGreen);
}

TEST_F(LabelTest, GradientBorderWithFewerThanTwoColoursIsNotDrawn) {
    LabelValues v = gradient_bordered(5, {
        {forms::kLabelBorderColour1, 0x0000FF}, {forms::kLabelBorderColour2, kDefault},
        {forms::kLabelBorderColour3, kDefault}
    });
    load_label(v);
    EXPECT_EQ(printed(component_handle(kLabel)).count(kGreen), 120 * 40);
}

TEST_F(LabelTest, TemplateWidthsBelowFiveAreKeptUntilSetAtRunTime) {
    LabelValues v =
        gradient_bordered(2, {{forms::kLabelBorderColour1, 0x0000FF}, {forms::kLabelBorderColour3, 0x0000FF}});
    load_label(v);
    Pixels p = printed(component_handle(kLabel));
    EXPECT_NE(p.at(1, 20), kGreen);
    EXPECT_EQ(p.at(2, 20), kGreen);
    write(kLabel, 11, 2);
    p = printed(component_handle(kLabel));
    EXPECT_NE(p.at(4, 20), kGreen);
    EXPECT_EQ(p.at(5, 20), kGreen);
}

TEST_F(LabelTest, DefaultBackgroundIsTheButtonFace) {
    LabelValues v;
    v.text(forms::kLabelCaption, "");
    load_label(v);
    EXPECT_EQ(printed(component_handle(kLabel)).count(GetSysColor(COLOR_BTNFACE)), 120 * 40);
}

TEST_F(LabelTest, CaptionInTheTextColourAndEachEffectUnderIt) {
    load_caption("友情提示ABC", 0xFF00FF, 0x808080, 160, 40);
    const Pixels plain = printed(component_handle(kLabel));
    const RECT text = plain.bounds(kMagenta);
    ASSERT_GT(width_of(text), 20);
    EXPECT_EQ(plain.count(kWhiteRgb) + plain.count(kBlack), 0);

    write(kLabel, 9, 1);  // raised: white one pixel below right, the caption in place
    Pixels p = printed(component_handle(kLabel));
    EXPECT_EQ(p.bounds(kMagenta).left, text.left);
    EXPECT_EQ(p.bounds(kWhiteRgb).right, text.right + 1);
    EXPECT_EQ(p.bounds(kWhiteRgb).bottom, text.bottom + 1);

    write(kLabel, 9, 2);  // engraved: white in place, the caption one pixel below right
    p = printed(component_handle(kLabel));
    EXPECT_EQ(p.bounds(kMagenta).left, text.left + 1);
    EXPECT_EQ(p.bounds(kMagenta).top, text.top + 1);
    EXPECT_EQ(p.bounds(kWhiteRgb).left, text.left);

    write(kLabel, 9, 3);  // shadow: black two pixels below right
    p = printed(component_handle(kLabel));
    EXPECT_EQ(p.bounds(kMagenta).left, text.left);
    EXPECT_EQ(p.bounds(kBlack).right, text.right + 2);
    EXPECT_EQ(p.bounds(kBlack).bottom, text.bottom + 2);
    EXPECT_EQ(p.count(kWhiteRgb), 0);
}

TEST_F(LabelTest, AlignmentAndWrapPlaceTheCaption) {
    load_caption("短", 0x0000FF, 0xFFFFFF, 200, 60);
    const HWND h = component_handle(kLabel);
    const struct {
        i32 index;
        u32 value;
        bool (*where)(const RECT& text);
    } cases[] = {
        {24, 0, [](const RECT& t) { return t.right < 40; }},
        {24, 1, [](const RECT& t) { return t.left > 80 && t.right < 120; }},
        {24, 2, [](const RECT& t) { return t.left > 160; }},
        {26, 0, [](const RECT& t) { return t.bottom < 25; }},
        {26, 1, [](const RECT& t) { return t.top > 15 && t.bottom < 45; }},
        {26, 2, [](const RECT& t) { return t.top > 35; }},
    };
    for (const auto& c : cases) {
        write(kLabel, c.index, c.value);
        const RECT t = printed(h).bounds_toward(kRed, kWhiteRgb);
        EXPECT_TRUE(c.where(t)) << "property " << c.index << " = " << c.value << ": " << t.left << "," << t.top
                                << " " << t.right << "," << t.bottom;
    }

    write(kLabel, 24, 0);
    // Not clipped to the text box: a long line runs to the label's edge.
    write_text(kLabel, 8, "国国国国国国国国国国国国国国国国国国国国国国国国国国国国国国");
    EXPECT_GE(printed(h).bounds_toward(kRed, kWhiteRgb).right, 199);

    write_text(kLabel, 8, "一二三四 五六七八 九十一二 三四五六 七八九十 一二三四 五六七八 九十");
    const RECT single = printed(h).bounds_toward(kRed, kWhiteRgb);
    write(kLabel, 25, 1);
    const RECT wrapped = printed(h).bounds_toward(kRed, kWhiteRgb);
    EXPECT_GT(wrapped.bottom - wrapped.top, 2 * (single.bottom - single.top) - 4);
    EXPECT_LE(wrapped.right, 200);
}

TEST_F(LabelTest, GradientFillsByMode) {
    LabelValues v;
    v.text(forms::kLabelCaption, "");
    v.words({
        {forms::kLabelBackColour, 0x00FF00}, {forms::kLabelGradientColour1, 0x0000FF},
        {forms::kLabelGradientColour2, kDefault}, {forms::kLabelGradientColour3, 0xFF0000},
        {forms::kLabelGradientMode, 1}
    });
    load_label(v, 101, 41);
    const HWND h = component_handle(kLabel);
    const struct {
        u32 mode;
        POINT first, last;  // where the first and the last colour lie
    } cases[] = {
        {1, {0, 20}, {100, 20}},   // left to right
        {2, {50, 0}, {50, 40}},    // top to bottom
        {3, {0, 0}, {100, 40}},    // top left to bottom right
        {4, {0, 40}, {100, 0}},    // bottom left to top right
        {5, {0, 20}, {50, 20}},    // side edges to the middle column
        {6, {50, 0}, {50, 20}},    // top and bottom edges to the middle row
        {7, {0, 0}, {50, 20}},     // all edges to the centre
        {8, {50, 20}, {100, 40}},  // the centre outwards
    };
    for (const auto& c : cases) {
        write(kLabel, 20, c.mode);
        const Pixels p = printed(h);
        EXPECT_EQ(p.at(c.first.x, c.first.y), kRed) << "mode " << c.mode;
        EXPECT_EQ(p.at(c.last.x, c.last.y), kBlue) << "mode " << c.mode;
        EXPECT_EQ(p.count(kGreen), 0) << "mode " << c.mode;
    }
    write(kLabel, 23, kDefault);  // one usable colour left: no gradient
    EXPECT_EQ(printed(h).count(kGreen), 101 * 41);
}

TEST_F(LabelTest, PaintingAGradientLabelOftenLeavesNoGdiObjectsBehind) {
    LabelValues v;
    v.text(forms::kLabelCaption, "渐变");
    v.data(forms::kLabelFont, font_record("Tahoma"));
    v.words({
        {forms::kLabelBorder, 6}, {forms::kLabelBorderWidth, 7}, {forms::kLabelBorderColour1, 0x0000FF},
        {forms::kLabelBorderColour3, 0xFF0000}, {forms::kLabelGradientMode, 8},
        {forms::kLabelGradientColour1, 0x00FF00}, {forms::kLabelGradientColour3, 0xFF00FF}
    });
    v.data(forms::kLabelPicture, solid_bmp(4, 4, 0x0000FF));
    v.word(forms::kLabelPicturePlacement, 1);
    load_label(v, 101, 41);
    const HWND h = component_handle(kLabel);
    printed(h);  // the first paint decodes the picture, which the label keeps

    const HDC target = CreateCompatibleDC(nullptr);
    const HBITMAP surface = CreateBitmap(101, 41, 1, 32, nullptr);
    const HGDIOBJ previous = SelectObject(target, surface);
    {
        const testing_support::GdiCensus census;
        for (int i = 0; i < 100; ++i)
            SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target), PRF_CLIENT);
        EXPECT_GT(census.made(), 0);
        EXPECT_EQ(census.live(), 0) << "printed";
    }
    {
        const testing_support::GdiCensus census;
        for (int i = 0; i < 100; ++i) RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_GT(census.made(), 0);
        EXPECT_EQ(census.live(), 0) << "painted off screen first";
    }
    SelectObject(target, previous);
    DeleteObject(surface);
    DeleteDC(target);
}

TEST_F(LabelTest, BackgroundPictureByPlacementOverTheBackgroundColour) {
    LabelValues v;
    v.text(forms::kLabelCaption, "");
    v.word(forms::kLabelBackColour, 0x00FF00);
    v.data(forms::kLabelPicture, solid_bmp(4, 4, 0x0000FF));
    v.word(forms::kLabelPicturePlacement, 0);
    load_label(v, 40, 20);
    const HWND h = component_handle(kLabel);
    Pixels p = printed(h);
    EXPECT_EQ(p.count(kRed), 16);  // natural size at the top left
    EXPECT_EQ(p.at(0, 0), kRed);
    EXPECT_EQ(p.at(4, 4), kGreen);

    write(kLabel, 19, 1);  // tiled
    EXPECT_EQ(printed(h).count(kRed), 40 * 20);

    write_bytes(kLabel, 18, solid_bmp(80, 80, 0xFF0000));
    write(kLabel, 19, 2);  // centred, shrunk to 20 x 20 keeping its proportions
    p = printed(h);
    EXPECT_EQ(p.bounds(kBlue).left, 10);
    EXPECT_EQ(p.bounds(kBlue).right, 30);
    EXPECT_EQ(p.count(kBlue), 20 * 20);

    write_bytes(kLabel, 18, {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});  // no picture then
    EXPECT_EQ(printed(h).count(kGreen), 40 * 20);
}

TEST_F(LabelTest, APictureStaysInsideTheGradientBorder) {
    LabelValues v;
    v.text(forms::kLabelCaption, "");
    v.words({
        {forms::kLabelBorder, 6}, {forms::kLabelBorderWidth, 5}, {forms::kLabelBorderColour1, 0x00FF00},
        {forms::kLabelBorderColour2, 0x00FF00}, {forms::kLabelBorderColour3, 0x00FF00}
    });
    v.data(forms::kLabelPicture, solid_bmp(3, 3, 0x0000FF));
    v.word(forms::kLabelPicturePlacement, 1);
    load_label(v, 40, 20);
    const Pixels p = printed(component_handle(kLabel));
    EXPECT_EQ(p.count(kRed), (40 - 10) * (20 - 10));
    EXPECT_EQ(p.at(0, 0), kGreen);
}

TEST_F(LabelTest, SettingTheCaptionSetsTheWindowTextAndRepaints) {
    LabelValues v;
    v.text(forms::kLabelCaption, "");
    v.word(forms::kLabelTextColour, 0x0000FF);
    v.word(forms::kLabelBackColour, 0xFFFFFF);
    load_label(v);
    EXPECT_EQ(on_screen(component_handle(kLabel)).count(kRed), 0);
    write_text(kLabel, 8, "正在寻找");
    EXPECT_EQ(shown_text(component_handle(kLabel)), "正在寻找");
    EXPECT_EQ(read_text(kLabel, 8), "正在寻找");
    EXPECT_GT(on_screen(component_handle(kLabel)).count(kRed), 10);
}

TEST_F(LabelTest, EnumeratesCaptionFaceAndBindingNamesLiveOrFromTheBlock) {
    LabelValues v;
    v.text(forms::kLabelCaption, "标题甲");
    v.data(forms::kLabelFont, font_record("宋体"));
    v.text(forms::kLabelDataSource, "源");
    v.text(forms::kLabelDataColumn, "列");
    const std::vector<std::string> expected = {"标题甲", "宋体", "源", "列"};
    EXPECT_EQ(enumerated_texts(kLabelTypeId, nullptr, label_block(v)), expected);
    load_label(v);
    EXPECT_EQ(enumerated_texts(kLabelTypeId, object_of(kLabel), {}), expected);
    v.version = forms::kLabelLayout.version + 1;  // newer than the label reads
    EXPECT_TRUE(enumerated_texts(kLabelTypeId, nullptr, label_block(v)).empty());
}

}  // namespace
}  // namespace component_test
