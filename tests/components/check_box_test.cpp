// The check box and the radio button: the styles their properties choose and switch,
// the check state (only the value 1 ticks, reading refreshes the stored word, a radio
// button ticked by property leaves its siblings alone while a click clears them),
// clicks reaching handlers after the state changed and only when not loading, the
// colours they hand their control, and the rebuild a picture asks for.
#include <windows.h>

#include <cstring>

#include "forms/components/check_box_properties.h"
#include "runtime/application.h"
#include "runtime/error_box.h"
#include "tests/components/component_blocks.h"
#include "tests/components/component_test_program.h"
#include "tests/components/shown_text.h"
#include "tests/support/child_process.h"

namespace component_test {
namespace {

constexpr u32 kCheck = 0x16010002, kRadio1 = 0x16010003, kRadio2 = 0x16010004;

// The ticked word of a saved block: the eighth word after the version.
u32 stored_tick(const ByteBlock& block) {
    u32 word = 0;
    std::memcpy(&word, block.data() + 4 * 8, 4);
    return word;
}

bool platform_ticked(u32 id) { return SendMessageW(component_handle(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A check box and two radio buttons sharing the window as parent.
void load_three(const CheckValues& check, const CheckValues& radio1, const CheckValues& radio2) {
    install({window_part(), component(kCheck, kCheckBoxTypeId, check_block(check), 10, 10),
             component(kRadio1, kRadioTypeId, radio_block(radio1), 10, 40),
             component(kRadio2, kRadioTypeId, radio_block(radio2), 10, 70)});
    ASSERT_TRUE(load());
}

CheckValues ticked(bool on, const char* caption) {
    CheckValues v;
    v.word(forms::kCheckTicked, on ? 1 : 0);
    v.text(forms::kCheckCaption, caption);
    return v;
}

using CheckBoxTest = ComponentTest;

TEST_F(CheckBoxTest, StoredValuesChooseTheStyles) {
    CheckValues v;
    v.words({
        {forms::kCheckPushLike, 1}, {forms::kCheckFlat, 1}, {forms::kCheckTextOnLeft, 1},
        {forms::kCheckAlignment, 2}, {forms::kCheckVerticalAlignment, 0}, {forms::kCheckTextColour, 0x123456},
        {forms::kCheckBackColour, 0x00FFFF}, {forms::kCheckTicked, 1}
    });
    v.data(forms::kCheckFont, font_record("Tahoma"));
    v.text(forms::kCheckCaption, "卓越性能电源");
    v.text(forms::kCheckDataSource, "源");
    v.text(forms::kCheckDataColumn, "列");
    load_three(v, ticked(false, "单甲"), ticked(false, "单乙"));
    const DWORD style = style_of(kCheck);
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
    const DWORD expected = BS_PUSHLIKE | BS_FLAT | BS_LEFTTEXT | BS_RIGHT | BS_TOP | BS_MULTILINE;
    EXPECT_EQ(style & expected, expected);
    EXPECT_EQ(style_of(kRadio1) & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
}

TEST_F(CheckBoxTest, OnlyTheValueOneTicksAndReadingRefreshesTheStoredWord) {
    CheckValues odd;
    odd.word(forms::kCheckTicked, 2);  // only template data can hold this
    load_three(odd, ticked(true, "单甲"), ticked(false, "单乙"));
    EXPECT_FALSE(platform_ticked(kCheck));
    EXPECT_EQ(stored_tick(saved_block(kCheck)), 0u);
    EXPECT_EQ(read(kCheck, 18), 0u);
    EXPECT_TRUE(platform_ticked(kRadio1));

    write(kCheck, 18, 2);  // the property service makes it 1
    EXPECT_TRUE(platform_ticked(kCheck));
    EXPECT_EQ(read(kCheck, 18), 1u);
    write(kCheck, 18, 0);
    EXPECT_FALSE(platform_ticked(kCheck));
    EXPECT_EQ(read(kCheck, 18), 0u);

    // A click changes the control; the next read brings the stored word along.
    SendMessageW(component_handle(kCheck), BM_CLICK, 0, 0);
    EXPECT_EQ(read(kCheck, 18), 1u);
    EXPECT_EQ(stored_tick(saved_block(kCheck)), 1u);
}

TEST_F(CheckBoxTest, ARadioTickedByPropertyLeavesItsSiblingsAndAClickClearsThem) {
    load_three(ticked(false, "选"), ticked(true, "空白主页"), ticked(false, "美服主页"));
    write(kRadio2, 18, 1);
    EXPECT_TRUE(platform_ticked(kRadio1));
    EXPECT_TRUE(platform_ticked(kRadio2));
    EXPECT_EQ(read(kRadio1, 18), 1u);

    SendMessageW(component_handle(kRadio1), BM_CLICK, 0, 0);
    EXPECT_TRUE(platform_ticked(kRadio1));
    EXPECT_FALSE(platform_ticked(kRadio2));
    EXPECT_EQ(read(kRadio2, 18), 0u);
    EXPECT_TRUE(events_are(logged(forms::kEventClicked), {{0, kRadio1}}));
    // The check box is no radio button: the click left it alone.
    EXPECT_FALSE(platform_ticked(kCheck));
}

TEST_F(CheckBoxTest, ClickEventsComeAfterTheStateChangedAndNeverWhileLoading) {
    load_three(ticked(false, "全选"), ticked(true, "甲"), ticked(false, "乙"));
    std::vector<u32> seen;
    during_event() = [&](i32 event, u32 id) {
        if (event == forms::kEventClicked) seen.push_back(static_cast<u32>(read(id, 18)));
    };
    const HWND check = component_handle(kCheck);
    SendMessageW(check, BM_CLICK, 0, 0);
    SendMessageW(check, BM_CLICK, 0, 0);
    EXPECT_EQ(seen, (std::vector<u32>{1, 0}));
    // The space bar toggles it too.
    SendMessageW(check, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(check, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(seen, (std::vector<u32>{1, 0, 1}));

    event_log().clear();
    rt::app().loading_counter = 1;
    SendMessageW(check, BM_CLICK, 0, 0);
    SendMessageW(component_handle(kRadio2), BM_CLICK, 0, 0);
    EXPECT_TRUE(logged(forms::kEventClicked).empty());
    EXPECT_FALSE(platform_ticked(kCheck));  // the click itself still happened
    EXPECT_TRUE(platform_ticked(kRadio2));
    rt::app().loading_counter = 0;
}

TEST_F(CheckBoxTest, ARadioGainingOrLosingTheFocusRaisesNoClick) {
    load_three(ticked(false, "选"), ticked(true, "甲"), ticked(false, "乙"));
    SetFocus(component_handle(kRadio1));
    SetFocus(component_handle(kRadio2));  // as the arrow keys move it
    SetFocus(component_handle(kCheck));
    EXPECT_TRUE(logged(forms::kEventClicked).empty());
    EXPECT_TRUE(events_are(logged(forms::kEventGotFocus), {{-7, kRadio1}, {-7, kRadio2}, {-7, kCheck}}));
    EXPECT_TRUE(events_are(logged(forms::kEventLostFocus), {{-8, kRadio1}, {-8, kRadio2}}));
}

// The keyboard's arrows move among radio buttons, and the selection moves with the
// focus; the user clicked nothing, so no click event.
TEST_F(CheckBoxTest, ArrowKeysSelectTheRadioButtonTheyFocusWithoutAClick) {
    load_three(ticked(true, "选"), ticked(true, "甲"), ticked(false, "乙"));
    const auto arrow = [](UINT key) {
        const HWND target = GetFocus();
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
        pump();
    };
    SetFocus(component_handle(kRadio1));
    arrow(VK_DOWN);
    EXPECT_EQ(GetFocus(), component_handle(kRadio2));
    EXPECT_TRUE(platform_ticked(kRadio2));
    EXPECT_FALSE(platform_ticked(kRadio1));
    EXPECT_EQ(read(kRadio2, 18), 1u);
    EXPECT_EQ(read(kRadio1, 18), 0u);
    arrow(VK_UP);
    EXPECT_EQ(GetFocus(), component_handle(kRadio1));
    EXPECT_TRUE(platform_ticked(kRadio1));
    EXPECT_FALSE(platform_ticked(kRadio2));
    EXPECT_TRUE(platform_ticked(kCheck));  // not a radio button: left alone
    EXPECT_TRUE(logged(forms::kEventClicked).empty());
}

TEST_F(CheckBoxTest, StylesAndAlignmentsSwitchInPlace) {
    load_three(ticked(false, "选"), ticked(false, "甲"), ticked(false, "乙"));
    const HWND before = component_handle(kCheck);
    expect_style_writes(kCheck, {
        {9, 1, 1, BS_PUSHLIKE, BS_PUSHLIKE},
        {9, 0, 0, BS_PUSHLIKE, 0},
        {10, 1, 1, BS_FLAT, BS_FLAT},
        {12, 1, 1, BS_LEFTTEXT, BS_LEFTTEXT},
        {12, 0, 0, BS_LEFTTEXT, 0},
        {13, 5, 2, BS_CENTER, BS_RIGHT},
        {13, 1, 1, BS_CENTER, BS_CENTER},
        {14, 0, 0, BS_VCENTER, BS_TOP},
        {14, 9, 2, BS_VCENTER, BS_BOTTOM},
    });
    EXPECT_EQ(style_of(kCheck) & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
    EXPECT_EQ(component_handle(kCheck), before);
    write_text(kCheck, 11, "以上全选");
    EXPECT_EQ(shown_text(before), "以上全选");
}

TEST_F(CheckBoxTest, HandsItsControlTheTextAndBackgroundColours) {
    CheckValues v;
    v.word(forms::kCheckTextColour, 0x0000FF);
    v.word(forms::kCheckBackColour, 0x00FF00);
    load_three(v, ticked(false, "甲"), ticked(false, "乙"));
    const HWND h = component_handle(kCheck);
    HDC dc = GetDC(h);
    auto ask = [&] {
        return reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(h), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(h)));
    };
    HBRUSH brush = ask();
    LOGBRUSH b{};
    GetObjectW(brush, sizeof b, &b);
    EXPECT_EQ(b.lbColor, 0x00FF00u);
    EXPECT_EQ(GetTextColor(dc), 0x0000FFu);
    EXPECT_EQ(GetBkColor(dc), 0x00FF00u);

    write(kCheck, 16, 0xFF000000);
    write(kRadio1, 15, 0xFF0000);
    EXPECT_EQ(ask(), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(h, dc);

    // The control paints with them: its background and its caption.
    const Pixels p = on_screen(component_handle(kRadio1));
    EXPECT_GT(p.count_toward(RGB(0, 0, 255), GetSysColor(COLOR_BTNFACE)), 5);
    write(kRadio2, 16, 0x00FF00);
    EXPECT_GT(on_screen(component_handle(kRadio2)).count(RGB(0, 255, 0)), 100 * 24 / 2);
}

TEST_F(CheckBoxTest, APictureRebuildsTheControlAndKeepsTheTickTheUserGave) {
    load_three(ticked(false, "选"), ticked(false, "甲"), ticked(false, "乙"));
    const HWND first = component_handle(kCheck);
    SendMessageW(first, BM_CLICK, 0, 0);
    write_bytes(kCheck, 8, solid_bmp(8, 8, 0x0000FF));
    const HWND rebuilt = component_handle(kCheck);
    EXPECT_NE(rebuilt, first);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(style_of(kCheck) & BS_BITMAP);
    EXPECT_EQ(style_of(kCheck) & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
    EXPECT_TRUE(platform_ticked(kCheck));
    // The rebuilt control still reports its clicks.
    event_log().clear();
    SendMessageW(rebuilt, BM_CLICK, 0, 0);
    EXPECT_TRUE(events_are(logged(forms::kEventClicked), {{0, kCheck}}));
    EXPECT_FALSE(platform_ticked(kCheck));
}

TEST_F(CheckBoxTest, EnumeratesTheBindingNamesOnlyForTheCheckBox) {
    CheckValues v;
    v.text(forms::kCheckCaption, "甲");
    v.text(forms::kCheckDataSource, "源");
    v.text(forms::kCheckDataColumn, "列");
    EXPECT_EQ(enumerated_texts(kCheckBoxTypeId, nullptr, check_block(v)),
              (std::vector<std::string>{"甲", "", "源", "列"}));
    EXPECT_EQ(enumerated_texts(kRadioTypeId, nullptr, radio_block(v)), (std::vector<std::string>{"甲", ""}));
}

TRIVANE_CHILD_SCENARIO(check_box_read_not_loaded) {
    start_runtime();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    install({window_part(), component(kCheck, kCheckBoxTypeId, check_block({}))});
    read(kCheck, 18);
    testing_support::child_report("returned");
}

TEST(CheckBoxErrors, ReadingTheTickOfAWindowNotLoadedEndsInTheErrorBox) {
    const testing_support::ChildResult r = testing_support::run_child("check_box_read_not_loaded");
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu);
    EXPECT_NE(r.report.find("读取组件属性时发现指定窗口尚未载入"), std::string::npos) << r.report;
    EXPECT_EQ(r.report.find("returned"), std::string::npos);
}

}  // namespace
}  // namespace component_test
