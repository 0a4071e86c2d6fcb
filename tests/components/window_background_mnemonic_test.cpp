// The window's background (its colour, and its picture laid over it by the placement
// choice) and Alt plus a caption's mnemonic: buttons clicked, check boxes toggled,
// radio buttons checked, a label passing the focus on, a group box taking it in, and components that are
// hidden or disabled left alone.
#include <windows.h>

#include <cstdlib>

#include "forms/components/window_properties.h"
#include "tests/components/component_blocks.h"
#include "tests/components/component_test_program.h"

namespace component_test {
namespace {

constexpr u32 kWindow = forms::kWindowRecordId;
constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A window whose stored properties hold this colour, picture and placement.
Part window_with(u32 colour, const ByteBlock& picture, u32 placement) {
    Part w = window_part();
    forms::WindowProperties p;
    EXPECT_TRUE(forms::read_window_properties(w.data.data(), static_cast<u32>(w.data.size()), &p));
    p.set_word(forms::kWordBackColour, colour);
    p.set_word(forms::kWordPictureMode, placement);
    p.picture = picture;
    w.data = forms::write_window_properties(p);
    return w;
}

void load_window_with(u32 colour, const ByteBlock& picture, u32 placement) {
    install({window_with(colour, picture, placement)});
    ASSERT_TRUE(load());
}

bool same_rect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

using WindowBackgroundTest = ComponentTest;

TEST_F(WindowBackgroundTest, TheColourFillsTheClientAreaAndTheDefaultIsTheFaceColour) {
    load_window_with(kDefault, {}, 1);
    Pixels p = erased(window_handle());
    EXPECT_EQ(p.count(GetSysColor(COLOR_BTNFACE)), p.width * p.height);

    write(kWindow, 10, kBlue);
    p = erased(window_handle());
    EXPECT_EQ(p.count(kBlue), p.width * p.height);
}

TEST_F(WindowBackgroundTest, APictureAtTheTopLeftCoversOnlyItsOwnSize) {
    load_window_with(kBlue, solid_bmp(20, 10, kRed), 0);
    const Pixels p = erased(window_handle());
    EXPECT_TRUE(same_rect(p.bounds(kRed), RECT{0, 0, 20, 10}));
    EXPECT_EQ(p.count(kRed), 200);
    EXPECT_EQ(p.count(kBlue), p.width * p.height - 200);
}

TEST_F(WindowBackgroundTest, TiledCoversEverythingAndCentredSitsInTheMiddle) {
    load_window_with(kBlue, solid_bmp(20, 10, kRed), 1);
    Pixels p = erased(window_handle());
    EXPECT_EQ(p.count(kRed), p.width * p.height);

    write(kWindow, 12, 2);
    p = erased(window_handle());
    const int left = (p.width - 20) / 2, top = (p.height - 10) / 2;
    EXPECT_TRUE(same_rect(p.bounds(kRed), RECT{left, top, left + 20, top + 10}));
    EXPECT_EQ(p.count(kRed), 200);
    EXPECT_EQ(p.count(kBlue), p.width * p.height - 200);

    // Choices past the last are stored as the last.
    write(kWindow, 12, 9);
    EXPECT_EQ(read(kWindow, 12), 2u);
}

TEST_F(WindowBackgroundTest, ACentredPictureLargerThanTheWindowIsShrunkKeepingItsShape) {
    load_window_with(kBlue, solid_bmp(800, 400, kRed), 2);
    const Pixels p = erased(window_handle());
    const RECT r = p.bounds(kRed);
    const int w = r.right - r.left, h = r.bottom - r.top;
    ASSERT_GT(w, 0);
    EXPECT_LE(w, p.width);
    EXPECT_LE(h, p.height);
    EXPECT_LE(std::abs(w - 2 * h), 2) << w << "x" << h;
    // Fits one side exactly, centred on the other.
    EXPECT_TRUE(w == p.width || h == p.height) << w << "x" << h << " in " << p.width << "x" << p.height;
    EXPECT_LE(std::abs(r.left - (p.width - r.right)), 1);
    EXPECT_LE(std::abs(r.top - (p.height - r.bottom)), 1);
}

TEST_F(WindowBackgroundTest, APictureWrittenAtRunTimeReplacesTheStoredOneAndEmptyRemovesIt) {
    load_window_with(kBlue, solid_bmp(20, 10, kRed), 0);
    write_bytes(kWindow, 11, solid_bmp(30, 5, RGB(0, 255, 0)));
    Pixels p = erased(window_handle());
    EXPECT_EQ(p.count(kRed), 0);
    EXPECT_TRUE(same_rect(p.bounds(RGB(0, 255, 0)), RECT{0, 0, 30, 5}));
    EXPECT_EQ(read_bytes(kWindow, 11), solid_bmp(30, 5, RGB(0, 255, 0)));

    write_bytes(kWindow, 11, {});
    p = erased(window_handle());
    EXPECT_EQ(p.count(kBlue), p.width * p.height);

    // Data that is no picture leaves only the colour.
    write_bytes(kWindow, 11, {1, 2, 3, 4, 5, 6, 7, 8});
    p = erased(window_handle());
    EXPECT_EQ(p.count(kBlue), p.width * p.height);
}

// ---- Alt plus mnemonic ----------------------------------------------------------------

constexpr u32 kFirst = 0x16010002, kLabel = 0x16010003, kTick = 0x16010004, kGo = 0x16010005,
              kBox = 0x16010006, kInside = 0x16010007, kDisabled = 0x16010008, kHidden = 0x16010009,
              kLiteral = 0x1601000A;
constexpr LPARAM kAltHeld = 1 << 29;

ByteBlock button_captioned(const char* caption) {
    ButtonValues v;
    v.text(forms::kButtonCaption, caption);
    return button_block(v);
}

ByteBlock check_captioned(const char* caption) {
    CheckValues v;
    v.text(forms::kCheckCaption, caption);
    return check_block(v);
}

// With every focus-order word 0, Tab runs from the last record down:
// inside, go, tick, first. The label and the group box are never Tab stops.
void load_mnemonic_window() {
    LabelValues label;
    label.text(forms::kLabelCaption, "名称(&L)");
    GroupValues group;
    group.text(forms::kGroupCaption, "&Box");
    Part box = component(kBox, kGroupBoxTypeId, group_block(group), 10, 150, 200, 80);
    box.children = {kInside};
    Part inside = component(kInside, kCheckBoxTypeId, check_captioned("里面"), 10, 30, 100, 24);
    inside.container = kBox;
    Part disabled = component(kDisabled, kButtonTypeId, button_captioned("&Delete"), 220, 10);
    disabled.state |= forms::kStateDisabled;
    Part hidden = component(kHidden, kCheckBoxTypeId, check_captioned("&Hidden"), 220, 40);
    hidden.state &= ~forms::kStateVisible;
    install({window_part(),
             component(kFirst, kButtonTypeId, button_captioned("第一"), 10, 10),
             component(kLabel, kLabelTypeId, label_block(label), 10, 40),
             component(kTick, kCheckBoxTypeId, check_captioned("&Tick"), 10, 70),
             component(kGo, kButtonTypeId, button_captioned("&Go"), 10, 100),
             box, inside, disabled, hidden,
             component(kLiteral, kButtonTypeId, button_captioned("R&&D"), 220, 70)});
    ASSERT_TRUE(load());
}

HWND key_target() { return GetFocus() ? GetFocus() : window_handle(); }

// Alt held down and a key pressed, as the keyboard delivers it.
void alt_key(UINT key) {
    const HWND target = key_target();
    PostMessageW(target, WM_SYSKEYDOWN, key, 1 | kAltHeld);
    PostMessageW(target, WM_SYSKEYUP, key, static_cast<LPARAM>(0xC0000001) | kAltHeld);
    pump();
}

// The character message alone (what translation makes of it).
void alt_char(char c) {
    PostMessageW(key_target(), WM_SYSCHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1 | kAltHeld);
    pump();
}

bool ticked(u32 id) { return read(id, 18) == 1; }

using MnemonicTest = ComponentTest;

TEST_F(MnemonicTest, AltClicksAButtonAndTogglesACheckBoxThroughTheirOwnClicks) {
    load_mnemonic_window();
    SetFocus(component_handle(kFirst));
    alt_key('G');
    EXPECT_TRUE(events_are(logged(0), {{0, kGo}}));

    event_log().clear();
    alt_char('t');  // the letter's case does not matter
    EXPECT_TRUE(ticked(kTick));
    EXPECT_TRUE(events_are(logged(0), {{0, kTick}}));
    alt_key('T');
    EXPECT_FALSE(ticked(kTick));
    EXPECT_EQ(logged(0).size(), 2u);

    // Without Alt the same key clicks nothing.
    event_log().clear();
    SetFocus(component_handle(kFirst));
    PostMessageW(component_handle(kFirst), WM_KEYDOWN, 'G', 1);
    PostMessageW(component_handle(kFirst), WM_KEYUP, 'G', static_cast<LPARAM>(0xC0000001));
    pump();
    EXPECT_TRUE(logged(0).empty());
}

TEST_F(MnemonicTest, AltChecksARadioButtonAndClearsItsSiblings) {
    constexpr u32 kRadioA = 0x16010002, kRadioB = 0x16010003;
    CheckValues a, b;
    a.text(forms::kCheckCaption, "甲(&J)");
    a.word(forms::kCheckTicked, 1);
    b.text(forms::kCheckCaption, "乙(&K)");
    install({window_part(), component(kRadioA, kRadioTypeId, radio_block(a), 10, 10),
             component(kRadioB, kRadioTypeId, radio_block(b), 10, 40)});
    ASSERT_TRUE(load());
    SetFocus(component_handle(kRadioA));
    alt_key('K');
    EXPECT_TRUE(ticked(kRadioB));
    EXPECT_FALSE(ticked(kRadioA));
    EXPECT_TRUE(events_are(logged(0), {{0, kRadioB}}));
}

TEST_F(MnemonicTest, ALabelPassesTheFocusOnAndAGroupBoxTakesItIn) {
    load_mnemonic_window();
    SetFocus(component_handle(kGo));
    alt_key('L');
    EXPECT_EQ(GetFocus(), component_handle(kFirst));  // the Tab stop after the label

    alt_key('B');
    EXPECT_EQ(GetFocus(), component_handle(kInside));
    EXPECT_FALSE(ticked(kInside));  // focused, not clicked
    EXPECT_TRUE(logged(0).empty());
}

TEST_F(MnemonicTest, HiddenDisabledAndLiteralAmpersandsAnswerNothing) {
    load_mnemonic_window();
    SetFocus(component_handle(kFirst));
    alt_key('D');  // disabled "&Delete", and "R&&D" whose ampersand is literal
    alt_key('H');  // hidden "&Hidden"
    EXPECT_FALSE(ticked(kHidden));
    EXPECT_TRUE(logged(0).empty());

    // Hidden or disabled at run time.
    write(kGo, 6, 1);
    write(kTick, 5, 0);
    write(kLabel, 5, 0);
    alt_key('G');
    alt_key('T');
    alt_key('L');
    EXPECT_FALSE(ticked(kTick));
    EXPECT_TRUE(logged(0).empty());
    EXPECT_EQ(GetFocus(), component_handle(kFirst));

    // Enabled and shown again, they answer.
    write(kGo, 6, 0);
    alt_key('G');
    EXPECT_TRUE(events_are(logged(0), {{0, kGo}}));
}

}  // namespace
}  // namespace component_test
