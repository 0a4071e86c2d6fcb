// The push button: the platform styles its properties choose
// and change in place, clicks and focus reaching handlers only when not loading, the
// default button the window's Enter key finds, and the rebuild a picture asks for.
#include <windows.h>

#include "forms/component_type.h"
#include "runtime/application.h"
#include "runtime/memory.h"
#include "tests/components/component_blocks.h"
#include "tests/components/component_test_program.h"
#include "tests/components/shown_text.h"

namespace component_test {
namespace {

constexpr u32 kButton = 0x16010002, kOther = 0x16010003;

void load_button(const ByteBlock& block) {
    install({window_part(), component(kButton, kButtonTypeId, block, 10, 10, 80, 28),
             component(kOther, kButtonTypeId, button_block({}), 100, 10, 80, 28)});
    ASSERT_TRUE(load());
}

bool answers_default(u32 id) {
    forms::ComponentObject* o = object_of(id);
    const auto op = forms::operation<forms::IsDefaultButtonOp>(o->type(), forms::kOpIsDefaultButton);
    return op && op(o);
}

std::string window_text(u32 id) { return shown_text(component_handle(id)); }

using ButtonTest = ComponentTest;

TEST_F(ButtonTest, AnEmptyBlockGivesTheDefaultsAndTheirStyles) {
    load_button({});
    EXPECT_EQ(window_text(kButton), "按钮");
    const DWORD style = style_of(kButton);
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
    EXPECT_EQ(style & (BS_CENTER | BS_VCENTER), static_cast<DWORD>(BS_CENTER | BS_VCENTER));
    EXPECT_TRUE(style & BS_MULTILINE);
    EXPECT_TRUE(style & WS_CLIPSIBLINGS);
    EXPECT_FALSE(answers_default(kButton));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(component_handle(kButton), WM_GETFONT, 0, 0)),
              static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST_F(ButtonTest, StoredValuesChooseTheStyles) {
    ButtonValues v;
    v.words({{forms::kButtonKind, 1}, {forms::kButtonAlignment, 2}, {forms::kButtonVerticalAlignment, 0}});
    v.data(forms::kButtonFont, font_record("Tahoma", -15));
    v.text(forms::kButtonCaption, "确定");
    load_button(button_block(v));
    const DWORD style = style_of(kButton);
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(style & BS_CENTER, static_cast<DWORD>(BS_RIGHT));
    EXPECT_EQ(style & BS_VCENTER, static_cast<DWORD>(BS_TOP));
    EXPECT_TRUE(answers_default(kButton));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(component_handle(kButton), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
    EXPECT_EQ(font.lfHeight, -15);
}

TEST_F(ButtonTest, KindAndAlignmentsAreClampedAndChangeTheStyleInPlace) {
    load_button(button_block({}));
    const HWND before = component_handle(kButton);
    expect_style_writes(kButton, {
        {9, 5, 1, BS_TYPEMASK, BS_DEFPUSHBUTTON},
        {9, 0, 0, BS_TYPEMASK, BS_PUSHBUTTON},
        {11, 0, 0, BS_CENTER, BS_LEFT},
        {11, 9, 2, BS_CENTER, BS_RIGHT},
        {11, 1, 1, BS_CENTER, BS_CENTER},
        {12, 0, 0, BS_VCENTER, BS_TOP},
        {12, 7, 2, BS_VCENTER, BS_BOTTOM},
        {12, static_cast<u32>(-4), 0, BS_VCENTER, BS_TOP},
    });
    EXPECT_EQ(component_handle(kButton), before);  // none of these rebuilds the button
    write(kButton, 9, 1);
    EXPECT_TRUE(answers_default(kButton));
}

TEST_F(ButtonTest, CaptionAndFontChangeTheLiveControl) {
    load_button(button_block({}));
    write_text(kButton, 10, "时光机");
    EXPECT_EQ(window_text(kButton), "时光机");
    EXPECT_EQ(read_text(kButton, 10), "时光机");

    write(kButton, 13, reinterpret_cast<u32>("Tahoma"), 0, 6);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(component_handle(kButton), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
    char* face = reinterpret_cast<char*>(static_cast<u32>(read(kButton, 13, 6)));
    EXPECT_STREQ(face, "Tahoma");
    rt::release(face);
}

TEST_F(ButtonTest, ClicksAndFocusReachHandlersOnlyWhenNotLoading) {
    load_button(button_block({}));
    const HWND button = component_handle(kButton);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(events_are(logged(forms::kEventClicked), {{0, kButton}}));
    EXPECT_TRUE(events_are(logged(forms::kEventGotFocus), {{-7, kButton}}));

    SetFocus(component_handle(kOther));
    EXPECT_TRUE(events_are(logged(forms::kEventLostFocus), {{-8, kButton}}));

    event_log().clear();
    rt::app().loading_counter = 1;
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(event_log().empty());
    rt::app().loading_counter = 0;

    // A real press and release of the mouse button.
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(events_are(logged(forms::kEventClicked), {{0, kButton}}));
}

TEST_F(ButtonTest, EnterClicksTheFocusedButtonElseTheDefaultButton) {
    ButtonValues v;
    v.word(forms::kButtonKind, 1);
    load_button(button_block(v));
    // Through the runtime's key handling, as the message loop would dispatch it.
    for (const auto& [focus, clicked] : {std::pair{window_handle(), kButton}, {component_handle(kOther), kOther}}) {
        SetFocus(focus);
        event_log().clear();
        PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0);
        pump();
        EXPECT_TRUE(events_are(logged(forms::kEventClicked), {{0, clicked}}));
    }
}

TEST_F(ButtonTest, APictureRebuildsTheButtonAsABitmapOrIconButton) {
    ButtonValues v;
    v.text(forms::kButtonCaption, "图");
    load_button(button_block(v));
    const HWND first = component_handle(kButton);

    write_bytes(kButton, 8, solid_bmp(8, 8, 0x0000FF));
    const HWND bitmap_button = component_handle(kButton);
    EXPECT_NE(bitmap_button, first);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(style_of(kButton) & BS_BITMAP);
    EXPECT_NE(SendMessageW(bitmap_button, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(window_text(kButton), "图");
    EXPECT_EQ(read_bytes(kButton, 8), solid_bmp(8, 8, 0x0000FF));

    write_bytes(kButton, 8, solid_ico(16, 0x00FF00));
    EXPECT_TRUE(style_of(kButton) & BS_ICON);
    EXPECT_FALSE(style_of(kButton) & BS_BITMAP);
    EXPECT_NE(SendMessageW(component_handle(kButton), BM_GETIMAGE, IMAGE_ICON, 0), 0);

    // Data that does not decode is no picture: a plain button again, the data kept.
    write_bytes(kButton, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(style_of(kButton) & (BS_ICON | BS_BITMAP), 0u);
    EXPECT_EQ(read_bytes(kButton, 8).size(), 12u);
    EXPECT_EQ(window_text(kButton), "图");
}

}  // namespace
}  // namespace component_test
