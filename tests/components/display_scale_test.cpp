// The tool's window at the display scales players use: every rectangle follows the
// scale while the program keeps reading template pixels, every caption fits its
// component, a move to a monitor of another scale lays the window out again, and at
// 96 DPI nothing moves a pixel.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/common_properties.h"
#include "forms/display_scale.h"
#include "forms/property_indexes.h"
#include "forms/record_fields.h"
#include "runtime/platform_text.h"
#include "tests/components/component_test_program.h"
#include "tuner/main_window_ids.h"

namespace component_test {
namespace {

using namespace tuner;

// FNV-1a over the colours, row by row.
u32 checksum(const Pixels& p) {
    u32 h = 2166136261u;
    for (COLORREF c : p.colours)
        for (int shift = 0; shift < 32; shift += 8) h = (h ^ ((c >> shift) & 0xFF)) * 16777619u;
    return h;
}

RECT rect_in_parent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT template_rect(u32 id) {
    const forms::WindowEntry entry = tool_window();
    const forms::ByteBlock& record = entry.table.records[entry.table.find(id)];
    const i32 left = forms::read_fixed_int(record, forms::Fixed::Left);
    const i32 top = forms::read_fixed_int(record, forms::Fixed::Top);
    return {left, top, left + forms::read_fixed_int(record, forms::Fixed::Width),
            top + forms::read_fixed_int(record, forms::Fixed::Height)};
}

std::vector<u32> component_ids() {
    const forms::WindowEntry entry = tool_window();
    return {entry.table.ids.begin() + 1, entry.table.ids.end()};
}

// Each edge at the template's times the scale, within a pixel. The drive box's
// closed height is the platform's, from its font.
void expect_scaled(u32 id, int dpi) {
    const RECT want = template_rect(id), got = rect_in_parent(component_handle(id));
    const int w = forms::to_device(want.right - want.left, dpi), h = forms::to_device(want.bottom - want.top, dpi);
    EXPECT_NEAR(got.left, forms::to_device(want.left, dpi), 1) << hex(id) << " at " << dpi;
    EXPECT_NEAR(got.top, forms::to_device(want.top, dpi), 1) << hex(id) << " at " << dpi;
    EXPECT_NEAR(got.right - got.left, w, 1) << hex(id) << " at " << dpi;
    if (id != kDriveBox) {
        EXPECT_NEAR(got.bottom - got.top, h, 1) << hex(id) << " at " << dpi;
    }
}

// The room a component's caption has beside what the platform draws around it.
enum class Kind { Label, CheckBox, Button, Group };
struct Captioned {
    u32 id;
    Kind kind;
    i32 caption;  // its caption's property
};
constexpr Captioned kCaptioned[] = {
    {kPowerBox, Kind::CheckBox, forms::kCheckCaption},
    {kSelectAllBox, Kind::CheckBox, forms::kCheckCaption},
    {kLogBox, Kind::CheckBox, forms::kCheckCaption},
    {kCrossBox, Kind::CheckBox, forms::kCheckCaption},
    {kDx11Box, Kind::CheckBox, forms::kCheckCaption},
    {kPublisherRadio, Kind::CheckBox, forms::kCheckCaption},
    {kBlankRadio, Kind::CheckBox, forms::kCheckCaption},
    {kHomeRestoreButton, Kind::Button, forms::kButtonCaption},
    {kHomeReplaceButton, Kind::Button, forms::kButtonCaption},
    {kOptimizeButton, Kind::Button, forms::kButtonCaption},
    {kRestoreButton, Kind::Button, forms::kSuperCaption},
    {kPromptLabel, Kind::Label, forms::kLabelCaption},
    {kDriveLabel, Kind::Label, forms::kLabelCaption},
    {kResultLabel, Kind::Label, forms::kLabelCaption},
    {kHomeGroup, Kind::Group, forms::kGroupCaption},
    {kOptimizeGroup, Kind::Group, forms::kGroupCaption},
};

int reserved_width(Kind kind, int dpi) {
    switch (kind) {
    case Kind::CheckBox: return forms::to_device(16, dpi);  // the box and the gap after it
    case Kind::Button: return forms::to_device(4, dpi);     // the edges
    case Kind::Group: return forms::to_device(16, dpi);     // the frame's corners either side
    default: return 0;
    }
}

// The caption's lines, without empty ones.
std::vector<std::string> lines_of(const std::string& caption) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < caption.size()) {
        size_t end = caption.find("\r\n", start);
        if (end == std::string::npos) end = caption.size();
        if (end > start) lines.push_back(caption.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

int widest(HDC dc, HFONT font, const std::vector<std::string>& lines) {
    const HGDIOBJ old = SelectObject(dc, font);
    int width = 0;
    for (const std::string& line : lines) {
        SIZE extent;
        const std::wstring text = rt::to_platform(line.c_str(), line.size());
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        width = std::max(width, static_cast<int>(extent.cx));
    }
    SelectObject(dc, old);
    return width;
}

// Every line of the caption, measured in the font the component draws it in, fits
// beside what the platform draws around it, and so do the lines together. The tool's
// components use the default GUI font; where the platform's face for it runs wider
// than the template was laid out for even at 96 DPI, the caption may overhang by no
// more than its scaled overhang there.
void expect_caption_fits(const Captioned& c, const std::string& caption, int dpi) {
    HWND window = component_handle(c.id);
    RECT client;
    GetClientRect(window, &client);
    const std::vector<std::string> lines = lines_of(caption);
    HDC dc = GetDC(window);
    const HFONT shown = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    const rt::GdiObject<HFONT> made_96 = forms::font_at({}, forms::kTemplateDpi);
    const HFONT font_96 = made_96 ? made_96.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const RECT at_96 = template_rect(c.id);
    const int room_96 = (at_96.right - at_96.left) - reserved_width(c.kind, forms::kTemplateDpi) -
                        widest(dc, font_96, lines);
    const int room = client.right - reserved_width(c.kind, dpi) - widest(dc, shown, lines);
    if (room_96 >= 0)
        EXPECT_GE(room, 0) << hex(c.id) << " at " << dpi;
    else
        EXPECT_GE(room, forms::to_device(room_96, dpi) - 2) << hex(c.id) << " at " << dpi;
    const HGDIOBJ old = SelectObject(dc, shown);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    if (c.kind != Kind::Group) {
        EXPECT_LE(static_cast<int>(lines.size()) * metrics.tmHeight, client.bottom) << hex(c.id) << " at " << dpi;
    }
}

class DisplayScaleTest : public ComponentTest {
protected:
    void SetUp() override {
        ComponentTest::SetUp();
        install_entry(tool_window());
    }
    void TearDown() override {
        forms::set_window_system_dpi(0);
        ComponentTest::TearDown();
    }
};

// Taken from the window as it was drawn before it followed the display scale.
TEST_F(DisplayScaleTest, At96DpiTheWindowIsDrawnAsBefore) {
    ASSERT_TRUE(load());
    HWND window = window_handle();
    SetForegroundWindow(window);
    const Pixels p = on_screen(window);
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 369);
    EXPECT_EQ(outer.bottom - outer.top, 328);
    EXPECT_EQ(p.width, 363);
    EXPECT_EQ(p.height, 303);
    EXPECT_EQ(checksum(p), 0x0662599au);
}

class EachScaleTest : public DisplayScaleTest, public ::testing::WithParamInterface<int> {};

TEST_P(EachScaleTest, RectanglesFollowTheScaleAndPropertiesKeepTemplatePixels) {
    const int dpi = GetParam();
    forms::set_window_system_dpi(dpi);
    ASSERT_TRUE(load());
    for (u32 id : component_ids()) {
        expect_scaled(id, dpi);
        const RECT want = template_rect(id);
        EXPECT_EQ(static_cast<i32>(read(id, forms::kPropLeft)), want.left) << hex(id);
        EXPECT_EQ(static_cast<i32>(read(id, forms::kPropTop)), want.top) << hex(id);
        EXPECT_EQ(static_cast<i32>(read(id, forms::kPropWidth)), want.right - want.left) << hex(id);
        if (id != kDriveBox) {
            EXPECT_EQ(static_cast<i32>(read(id, forms::kPropHeight)), want.bottom - want.top) << hex(id);
        }
    }
    // The client area scales; the frame stays the platform's.
    RECT client;
    GetClientRect(window_handle(), &client);
    EXPECT_NEAR(client.right, forms::to_device(363, dpi), 1);
    EXPECT_NEAR(client.bottom, forms::to_device(303, dpi), 1);
    EXPECT_EQ(static_cast<i32>(read(kWindowItself, forms::kPropWidth)), 369);
    EXPECT_EQ(static_cast<i32>(read(kWindowItself, forms::kPropHeight)), 328);
}

TEST_P(EachScaleTest, EveryCaptionAndResultFitsItsComponent) {
    const int dpi = GetParam();
    forms::set_window_system_dpi(dpi);
    ASSERT_TRUE(load());
    for (const Captioned& c : kCaptioned) expect_caption_fits(c, read_text(c.id, c.caption), dpi);
    // The longest results the tool shows.
    for (const char* result : {"此次优化已成功，感谢你的使用！", "Log日志文件已清除，感谢你的使用！"}) {
        write_text(kResultLabel, 8, result);
        expect_caption_fits({kResultLabel, Kind::Label, forms::kLabelCaption}, result, dpi);
    }
}

TEST_P(EachScaleTest, DriveListItemsAreAsTallAsTheirScaledFont) {
    const int dpi = GetParam();
    forms::set_window_system_dpi(dpi);
    ASSERT_TRUE(load());
    HWND box = component_handle(kDriveBox);
    const int field = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int item = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, 0, 0));
    // At 96 DPI the platform makes the field 16 pixels and each item 13.
    EXPECT_GE(field, forms::to_device(16, dpi) - 1);
    EXPECT_GE(item, forms::to_device(13, dpi) - 1);
    RECT r;
    GetWindowRect(box, &r);
    EXPECT_GE(r.bottom - r.top, field);
}

INSTANTIATE_TEST_SUITE_P(Dpi, EachScaleTest, ::testing::Values(96, 120, 144, 192));

// Moving to a monitor of 150%: the platform's suggested rectangle, every component
// placed again at the new scale with fonts made for it, and property writes
// still in template pixels.
TEST_F(DisplayScaleTest, AMoveToAnotherScaleLaysTheWindowOutAgain) {
    ASSERT_TRUE(load());
    HWND box = component_handle(kSelectAllBox);
    LOGFONTW before = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof before, &before);

    forms::set_window_system_dpi(144);
    RECT suggested = {40, 30, 40 + 560, 30 + 490};
    SendMessageW(window_handle(), forms::kMsgDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT outer;
    GetWindowRect(window_handle(), &outer);
    EXPECT_TRUE(EqualRect(&outer, &suggested));
    for (u32 id : component_ids()) expect_scaled(id, 144);

    for (u32 id : {kSelectAllBox, kPromptLabel, kOptimizeButton, kRestoreButton, kDriveBox, kHomeGroup}) {
        LOGFONTW after = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(component_handle(id), WM_GETFONT, 0, 0)), sizeof after,
                   &after);
        EXPECT_NEAR(after.lfHeight, before.lfHeight * 3 / 2, 1) << hex(id);
    }
    for (const Captioned& c : kCaptioned)
        if (c.kind == Kind::CheckBox) expect_caption_fits(c, read_text(c.id, c.caption), 144);

    write(kOptimizeButton, forms::kPropWidth, 80);
    EXPECT_EQ(static_cast<i32>(read(kOptimizeButton, forms::kPropWidth)), 80);
    RECT button;
    GetWindowRect(component_handle(kOptimizeButton), &button);
    EXPECT_EQ(button.right - button.left, 120);
}

// At whatever DPI the machine runs, without a stand-in: the suite runs this once more
// with the screen at 144 DPI.
TEST_F(DisplayScaleTest, FollowsTheDpiTheSystemReports) {
    const int dpi = forms::system_dpi();
    // The run at another scale says which it set up: the platform must report it.
    if (const char* expected = std::getenv("TRIVANE_SCREEN_DPI")) {
        EXPECT_EQ(dpi, std::atoi(expected));
    }
    ASSERT_TRUE(load());
    for (u32 id : component_ids()) expect_scaled(id, dpi);
    for (const Captioned& c : kCaptioned)
        expect_caption_fits(c, read_text(c.id, c.caption), dpi);
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(component_handle(kPowerBox), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_NEAR(-font.lfHeight, forms::to_device(11, dpi), 1);
}

}  // namespace
}  // namespace component_test
