// The super button on real windows, driven with real mouse, key and button messages:
// hover tracking, pressing, toggling and the default-button protocol observed through
// what it draws, its pictures, sounds and tooltip, and the rebuilds its toggle and
// default-button properties ask for.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "forms/components/super_button_colours.h"
#include "forms/components/super_button_object.h"
#include "forms/components/super_button_sound.h"
#include "forms/components/super_button_type.h"
#include "forms/property_archive.h"
#include "runtime/memory.h"
#include "runtime/platform_text.h"
#include "runtime/texts.h"
#include "tests/components/drive_super_program.h"
#include "tests/components/shown_text.h"
#include "tuner/main_window_ids.h"

namespace drive_super_test {
namespace {

using forms::Background;
using forms::Border;
using forms::SuperButtonObject;
using forms::SuperButtonProperties;

constexpr u32 kButton = tuner::kRestoreButton;
constexpr u32 kSecond = 0x16015F7C;

SuperButtonObject* button() { return object_of<SuperButtonObject>(kButton); }

forms::ByteBlock block_of(const SuperButtonProperties& p) { return forms::write_super_button_properties(p); }

SuperButtonProperties with_caption(const std::string& caption) {
    SuperButtonProperties p;
    p.caption = caption;
    return p;
}

// What the button draws when asked to print itself: where it paints nothing the
// canvas stays black.
constexpr COLORREF kUnpainted = RGB(0, 0, 0);

// A 24-bit BMP file of w by h pixels, bottom-up, from a colour function.
template <typename Colour>
forms::ByteBlock bmp_file(int w, int h, Colour colour) {
    const int stride = (w * 3 + 3) / 4 * 4;
    const u32 data_size = static_cast<u32>(stride * h);
    forms::ByteBlock f(14 + 40 + data_size, 0);
    f[0] = 'B';
    f[1] = 'M';
    const u32 file_size = static_cast<u32>(f.size()), offset = 54;
    std::memcpy(&f[2], &file_size, 4);
    std::memcpy(&f[10], &offset, 4);
    BITMAPINFOHEADER bi = {sizeof bi, w, h, 1, 24, BI_RGB, data_size, 0, 0, 0, 0};
    std::memcpy(&f[14], &bi, sizeof bi);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = colour(x, y);
            std::uint8_t* px = &f[54 + static_cast<size_t>(h - 1 - y) * stride + x * 3];
            px[0] = GetBValue(c);
            px[1] = GetGValue(c);
            px[2] = GetRValue(c);
        }
    return f;
}

// A 12 by 12 picture: a 4-pixel magenta frame around a solid square of `inner`.
forms::ByteBlock framed_square(COLORREF inner) {
    return bmp_file(12, 12, [inner](int x, int y) {
        return (x < 4 || y < 4 || x >= 8 || y >= 8) ? RGB(255, 0, 255) : inner;
    });
}

// ---- driving ------------------------------------------------------------------------

POINT centre_on_screen(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    POINT p = {r.right / 2, r.bottom / 2};
    ClientToScreen(window, &p);
    return p;
}

LPARAM client_point(int x, int y) { return MAKELPARAM(x, y); }

// The mouse comes to rest over the middle of the button.
void hover(HWND window) {
    const POINT p = centre_on_screen(window);
    SetCursorPos(p.x, p.y);
    RECT r;
    GetClientRect(window, &r);
    SendMessageW(window, WM_MOUSEMOVE, 0, client_point(r.right / 2, r.bottom / 2));
}

void press(HWND window) { SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, client_point(5, 5)); }
void release(HWND window) { SendMessageW(window, WM_LBUTTONUP, 0, client_point(5, 5)); }

// The sounds played, as the platform's player would have been asked.
struct Played {
    std::string sound;  // the resource name, or the data of a sound from memory
    HMODULE module;
    DWORD flags;
};
std::vector<Played>& played() {
    static std::vector<Played> log;
    return log;
}
// For the expected sequences of sounds.
bool matches(const Played& want, const Played& got) {
    return want.sound == got.sound && want.module == got.module && want.flags == got.flags;
}
bool optional(const Played&) { return false; }
std::string describe(const Played& s) {
    const bool wave = s.sound.compare(0, 4, "RIFF") == 0;
    std::string text = wave ? "wave of " + std::to_string(s.sound.size()) + " bytes ending " +
                                  std::to_string(static_cast<std::uint8_t>(s.sound.back()))
                            : "\"" + s.sound + "\"";
    char rest[48];
    std::snprintf(rest, sizeof rest, " module %p flags %08lX", static_cast<void*>(s.module), s.flags);
    return text + rest;
}
BOOL WINAPI record_sound(LPCWSTR sound, HMODULE module, DWORD flags) {
    const bool from_memory = (flags & SND_MEMORY) && (flags & SND_RESOURCE) != SND_RESOURCE;
    if (from_memory) {
        const auto* riff = reinterpret_cast<const std::uint8_t*>(sound);
        u32 size = 0;
        std::memcpy(&size, riff + 4, 4);
        played().push_back({std::string(reinterpret_cast<const char*>(sound), size + 8), module, flags});
    } else {
        played().push_back({rt::from_platform(sound), module, flags});
    }
    return TRUE;
}

// A tiny valid wave: a RIFF header and a few silent samples.
forms::ByteBlock wave(std::uint8_t marker) {
    forms::PropertyWriter w;
    const std::string head = "WAVEfmt ";
    forms::ByteBlock body(head.begin(), head.end());
    const std::uint8_t fmt[] = {16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0,
                                'd', 'a', 't', 'a', 4, 0, 0, 0, 128, 128, 128, marker};
    body.insert(body.end(), fmt, fmt + sizeof fmt);
    forms::ByteBlock out = {'R', 'I', 'F', 'F'};
    const u32 size = static_cast<u32>(body.size());
    out.insert(out.end(), reinterpret_cast<const std::uint8_t*>(&size), reinterpret_cast<const std::uint8_t*>(&size) + 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

class SuperButtonTest : public ComponentTest {
protected:
    void SetUp() override {
        ComponentTest::SetUp();
        played().clear();
        previous_player_ = forms::set_sound_player(record_sound);
    }
    void TearDown() override {
        forms::set_sound_player(previous_player_);
        ComponentTest::TearDown();
    }
    forms::SoundPlayer previous_player_ = nullptr;
};

// ---- the tool's own button ---------------------------------------------------------------

TEST_F(SuperButtonTest, TheToolsButtonIsFlatLightsUpSinksAndClicks) {
    ASSERT_TRUE(load_window({super_button(kButton, template_block(kButton), 20, 20, 64, 24)}));
    HWND b = component_handle(kButton);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF lit = forms::lighten(face, 32);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);

    EXPECT_EQ(component_test::shown_text(b), "点我恢复");
    EXPECT_EQ(GetWindowLongW(b, GWL_STYLE) & 0x1F, BS_OWNERDRAW);

    // At rest: flat, all in the face colour, no border.
    const Pixels rest = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().background, Background::Normal);
    EXPECT_EQ(button()->last_look().border, Border::None);
    EXPECT_EQ(rest.at(0, 0), face);
    EXPECT_EQ(rest.at(2, 2), face);
    EXPECT_EQ(rest.at(rest.width - 1, rest.height - 1), face);

    // The mouse over it: a raised border and the lighter background.
    hover(b);
    EXPECT_TRUE(button()->hovered());
    const Pixels lit_up = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().border, Border::Raised);
    EXPECT_EQ(lit_up.at(0, 0), highlight);
    EXPECT_EQ(lit_up.at(lit_up.width - 1, lit_up.height - 1), shadow);
    EXPECT_EQ(lit_up.at(2, 2), lit);

    // Pressed: sunken.
    press(b);
    const Pixels pressed = printed(b, kUnpainted);
    EXPECT_TRUE(button()->last_look().pressed);
    EXPECT_EQ(button()->last_look().border, Border::Sunken);
    EXPECT_EQ(pressed.at(0, 0), shadow);
    EXPECT_EQ(pressed.at(pressed.width - 1, pressed.height - 1), highlight);
    EXPECT_TRUE(logged(0).empty());

    release(b);
    EXPECT_TRUE(events_are(logged(0), {{0, kButton}}));
    const Pixels after = printed(b, kUnpainted);
    EXPECT_FALSE(button()->last_look().pressed);
    EXPECT_FALSE(button()->checked());  // not a toggle button
    EXPECT_TRUE(played().empty());      // no sounds configured
}

// ---- hover tracking ---------------------------------------------------------------------------

TEST_F(SuperButtonTest, TheHighlightEndsWhenTheMouseLeavesOrMovesOff) {
    ASSERT_TRUE(load_window({super_button(kButton, block_of(with_caption("悬停")))}));
    HWND b = component_handle(kButton);
    hover(b);
    ASSERT_TRUE(button()->hovered());
    const int drawn = button()->drawings();
    pump();
    EXPECT_GT(button()->drawings(), drawn);  // lighting up asked for a drawing
    EXPECT_EQ(button()->last_look().background, Background::Hover);

    SendMessageW(b, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button()->hovered());
    UpdateWindow(b);
    EXPECT_EQ(button()->last_look().background, Background::Normal);
    EXPECT_EQ(button()->last_look().border, Border::None);

    // A move reported for a point that is not over the button (as while it holds the
    // mouse) ends the highlight too.
    hover(b);
    ASSERT_TRUE(button()->hovered());
    SendMessageW(b, WM_MOUSEMOVE, 0, client_point(-50, -50));
    EXPECT_FALSE(button()->hovered());
}

TEST_F(SuperButtonTest, APressDraggedInFromOutsideLightsNothing) {
    ASSERT_TRUE(load_window({super_button(kButton)}));
    HWND b = component_handle(kButton);
    const POINT p = centre_on_screen(b);
    SetCursorPos(p.x, p.y);
    SendMessageW(b, WM_MOUSEMOVE, MK_LBUTTON, client_point(10, 10));
    EXPECT_FALSE(button()->hovered());
    // Once lit, holding the button down keeps the light.
    SendMessageW(b, WM_MOUSEMOVE, 0, client_point(10, 10));
    ASSERT_TRUE(button()->hovered());
    SendMessageW(b, WM_MOUSEMOVE, MK_LBUTTON, client_point(12, 12));
    EXPECT_TRUE(button()->hovered());
}

TEST_F(SuperButtonTest, TheRaisedStyleNeverLightsUp) {
    SuperButtonProperties p = with_caption("凸起");
    p.style = forms::kSuperRaised;
    ASSERT_TRUE(load_window({super_button(kButton, block_of(p))}));
    HWND b = component_handle(kButton);
    hover(b);
    EXPECT_FALSE(button()->hovered());
    const Pixels c = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().border, Border::Classic);
    EXPECT_EQ(c.at(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.at(1, 1), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(c.at(c.width - 1, c.height - 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.at(c.width - 2, c.height - 2), GetSysColor(COLOR_BTNSHADOW));

    // Focused, a raised button gets the black frame and the focus rectangle.
    SetFocus(b);
    const Pixels focused = printed(b, kUnpainted);
    EXPECT_TRUE(button()->last_look().black_frame);
    EXPECT_TRUE(button()->last_look().focus_mark);
    EXPECT_EQ(focused.at(0, 0), RGB(0, 0, 0));
}

TEST_F(SuperButtonTest, LosingTheFocusEndsTheHighlightBeforeTheLostFocusEvent) {
    ASSERT_TRUE(load_window({super_button(kButton), super_button(kSecond, {}, 10, 80)}));
    HWND b = component_handle(kButton);
    SetFocus(b);
    hover(b);
    ASSERT_TRUE(button()->hovered());
    bool lit_when_told = true;
    during_event() = [&](i32 event, u32 component) {
        if (event == -8 && component == kButton) lit_when_told = button()->hovered();
    };
    SetFocus(component_handle(kSecond));
    during_event() = nullptr;
    EXPECT_FALSE(lit_when_told);
    EXPECT_FALSE(button()->hovered());
    EXPECT_TRUE(events_are(logged(-8), {{-8, kButton}}));
    EXPECT_TRUE(events_are(logged(-7), {{-7, kButton}, {-7, kSecond}}));

    // A cancel-mode request ends it too.
    hover(b);
    ASSERT_TRUE(button()->hovered());
    SendMessageW(b, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(button()->hovered());
}

TEST_F(SuperButtonTest, DeactivatingTheWindowEndsTheHighlight) {
    ASSERT_TRUE(load_window({super_button(kButton)}));
    HWND b = component_handle(kButton);
    SetActiveWindow(window_handle());
    hover(b);
    ASSERT_TRUE(button()->hovered());
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 80, 40, nullptr, nullptr,
                                 nullptr, nullptr);
    SetActiveWindow(other);
    ASSERT_NE(GetActiveWindow(), window_handle());
    EXPECT_FALSE(button()->hovered());
    UpdateWindow(b);
    EXPECT_EQ(button()->last_look().background, Background::Normal);
    DestroyWindow(other);
}

TEST_F(SuperButtonTest, DisablingPassesTheFocusOnAndEndsTheHighlight) {
    ASSERT_TRUE(load_window({super_button(kButton), super_button(kSecond, {}, 10, 80)}));
    HWND b = component_handle(kButton);
    SetFocus(b);
    hover(b);
    ASSERT_TRUE(button()->hovered());
    write(kButton, 6, 1);  // common property: disabled
    EXPECT_FALSE(IsWindowEnabled(b));
    EXPECT_FALSE(button()->hovered());
    EXPECT_EQ(GetFocus(), component_handle(kSecond));
    const Pixels c = printed(b, kUnpainted);
    EXPECT_TRUE(button()->last_look().caption_disabled);
}

// ---- the focus rectangle ------------------------------------------------------------------

// What the button's window answers when asked for its UI state, set by the test: the
// platform under test may keep none of its own.
LRESULT g_ui_state = 0;
WNDPROC g_button_proc = nullptr;
LRESULT CALLBACK answer_ui_state(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_QUERYUISTATE) return g_ui_state;
    return CallWindowProcW(g_button_proc, window, message, wparam, lparam);
}

// Pixels of the row where the focus rectangle's top edge lies that are not the face.
int marked_in_focus_row(const Pixels& p, COLORREF face) {
    int marked = 0;
    for (int x = 3; x < p.width - 3; ++x) marked += p.at(x, 3) != face;
    return marked;
}

TEST_F(SuperButtonTest, TheToolsButtonShowsItsFocusWhenTheWindowShowsFocusCues) {
    ASSERT_TRUE(load_window({super_button(kButton, template_block(kButton), 20, 20, 64, 24),
                             super_button(kSecond, {}, 10, 80)}));
    HWND b = component_handle(kButton);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    g_button_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(b, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(answer_ui_state)));
    struct Case {
        const char* what;
        bool focused;
        LRESULT ui_state;
        bool marked;
    } cases[] = {
        {"focused, cues shown", true, 0, true},
        {"focused, focus cues hidden", true, UISF_HIDEFOCUS, false},
        {"focused, only the mnemonics hidden", true, UISF_HIDEACCEL, true},
        {"not focused, cues shown", false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetFocus(component_handle(c.focused ? kButton : kSecond));
        g_ui_state = c.ui_state;
        const Pixels p = printed(b, kUnpainted);
        EXPECT_EQ(button()->last_look().focus_mark, c.marked);
        if (c.marked) {
            // The dotted rectangle lies inside the edge: every other pixel of its top row.
            EXPECT_GE(marked_in_focus_row(p, face), (p.width - 6) / 2 - 1);
            EXPECT_EQ(p.at(2, 3), face);
            EXPECT_EQ(p.at(3, 2), face);
        } else {
            EXPECT_EQ(marked_in_focus_row(p, face), 0);
        }
    }

    // Told that the cues changed, the focused button draws again at once; another does not.
    SetFocus(b);
    UpdateWindow(b);
    int before = button()->drawings();
    SendMessageW(b, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    UpdateWindow(b);
    EXPECT_EQ(button()->drawings(), before + 1);
    SetFocus(component_handle(kSecond));
    UpdateWindow(b);
    before = button()->drawings();
    SendMessageW(b, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    UpdateWindow(b);
    EXPECT_EQ(button()->drawings(), before);
    SetWindowLongPtrW(b, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_button_proc));
}

// ---- clicks, toggling, the default button --------------------------------------------------

TEST_F(SuperButtonTest, AToggleButtonFlipsOnEveryClickAndDrawsPressedWhileChecked) {
    SuperButtonProperties p = with_caption("开关");
    p.toggle = 1;
    ASSERT_TRUE(load_window({super_button(kButton, block_of(p))}));
    HWND b = component_handle(kButton);
    EXPECT_TRUE(button()->is_toggle());
    EXPECT_EQ(GetWindowLongW(b, GWL_STYLE) & 0x1F, BS_OWNERDRAW);
    EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);

    press(b);
    release(b);
    EXPECT_TRUE(button()->checked());
    EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(read(kButton, forms::kSuperChecked), 1u);
    const Pixels checked = printed(b, kUnpainted);
    EXPECT_TRUE(button()->last_look().pressed);
    EXPECT_EQ(button()->last_look().border, Border::Sunken);
    EXPECT_EQ(checked.at(0, 0), GetSysColor(COLOR_BTNSHADOW));

    press(b);
    release(b);
    EXPECT_FALSE(button()->checked());
    // The second click of a double click is a click as well.
    SendMessageW(b, WM_LBUTTONDBLCLK, MK_LBUTTON, client_point(5, 5));
    EXPECT_TRUE(button()->checked());
    EXPECT_EQ(logged(0).size(), 3u);
    const Pixels again = printed(b, kUnpainted);
    EXPECT_TRUE(button()->last_look().pressed);

    // The platform's check messages read and set the same state.
    SendMessageW(b, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(button()->checked());
    SendMessageW(b, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_TRUE(button()->checked());
    write(kButton, forms::kSuperChecked, 0);
    EXPECT_FALSE(button()->checked());
}

TEST_F(SuperButtonTest, TheTogglePropertyRebuildsTheButtonOnlyWhenItChanges) {
    ASSERT_TRUE(load_window({super_button(kButton, block_of(with_caption("变身")))}));
    SuperButtonObject* before = button();
    write(kButton, forms::kSuperToggle, 0);
    EXPECT_EQ(button(), before);
    write(kButton, forms::kSuperChecked, 1);  // stored; no effect on a push button
    EXPECT_FALSE(button()->checked());
    write(kButton, forms::kSuperToggle, 1);
    SuperButtonObject* after = button();
    ASSERT_NE(after, nullptr);
    EXPECT_NE(after, before);
    EXPECT_TRUE(after->is_toggle());
    EXPECT_TRUE(after->checked());  // taken from the stored checked property
    EXPECT_EQ(GetWindowLongW(after->hwnd(), GWL_STYLE) & 0x1F, BS_OWNERDRAW);
    EXPECT_EQ(component_test::shown_text(after->hwnd()), "变身");
    EXPECT_TRUE(logged(0).empty());  // no events while it was rebuilt
}

TEST_F(SuperButtonTest, TheDefaultButtonAnswersTheDialogManagerAndTheEnterKey) {
    ASSERT_TRUE(load_window({super_button(kButton), super_button(kSecond, {}, 10, 80)}));
    HWND b = component_handle(kButton);
    auto is_default = forms::operation<forms::IsDefaultButtonOp>(&forms::kSuperButtonType, forms::kOpIsDefaultButton);
    EXPECT_FALSE(is_default(button()));
    EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);

    write(kButton, forms::kSuperDefaultButton, 7);  // stored as 1; the button is rebuilt
    EXPECT_EQ(read(kButton, forms::kSuperDefaultButton), 1u);
    b = component_handle(kButton);
    EXPECT_TRUE(is_default(button()));
    EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);

    // Enter, with no button focused, clicks the default button; on another button, it
    // presses that one.
    SetFocus(window_handle());
    PostMessageW(window_handle(), WM_KEYDOWN, VK_RETURN, 0);
    pump();
    EXPECT_TRUE(events_are(logged(0), {{0, kButton}}));
    event_log().clear();
    SetFocus(component_handle(kSecond));
    PostMessageW(component_handle(kSecond), WM_KEYDOWN, VK_RETURN, 0);
    pump();
    EXPECT_TRUE(events_are(logged(0), {{0, kSecond}}));

    // The dialog manager takes the default away and gives it back: still owner-drawn.
    SendMessageW(b, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_FALSE(is_default(button()));
    EXPECT_EQ(GetWindowLongW(b, GWL_STYLE) & 0x1F, BS_OWNERDRAW);
    SendMessageW(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_TRUE(is_default(button()));
    EXPECT_EQ(GetWindowLongW(b, GWL_STYLE) & 0x1F, BS_OWNERDRAW);
}

TEST_F(SuperButtonTest, PressOffsetMovesTheCaptionWhilePressed) {
    SuperButtonProperties p = with_caption("偏移");
    ASSERT_TRUE(load_window({super_button(kButton, block_of(p))}));
    HWND b = component_handle(kButton);
    press(b);
    const Pixels first = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().caption_area.left, 1);
    EXPECT_EQ(button()->last_look().caption_area.top, 1);
    release(b);
    write(kButton, forms::kSuperPressOffset, 1);
    press(b);
    const Pixels second = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().caption_area.left, 0);
    EXPECT_EQ(button()->last_look().caption_area.top, 2);
    release(b);
}

// ---- properties at run time ------------------------------------------------------------------

TEST_F(SuperButtonTest, ChoicesClampAndOwnColoursShowOnlyWithoutSystemColours) {
    ASSERT_TRUE(load_window({super_button(kButton, block_of(with_caption("颜色")))}));
    HWND b = component_handle(kButton);
    write(kButton, forms::kSuperStyle, 5);
    EXPECT_EQ(read(kButton, forms::kSuperStyle), 2u);
    write(kButton, forms::kSuperAlignment, static_cast<u32>(-1));
    EXPECT_EQ(read(kButton, forms::kSuperAlignment), 0u);
    write(kButton, forms::kSuperStyle, forms::kSuperFlat);

    // Stored, not drawn, while the system colours are used.
    pump();
    UpdateWindow(b);
    const int drawn = button()->drawings();
    write(kButton, forms::kSuperNormalBack, 0x0000FF);
    pump();
    EXPECT_EQ(button()->drawings(), drawn);
    EXPECT_EQ(read(kButton, forms::kSuperNormalBack), 0x0000FFu);
    const Pixels system = printed(b, kUnpainted);
    EXPECT_EQ(system.at(3, 3), GetSysColor(COLOR_BTNFACE));

    write(kButton, forms::kSuperSystemColours, 0);
    const Pixels own = printed(b, kUnpainted);
    EXPECT_EQ(own.at(3, 3), 0x0000FFu);
    write(kButton, forms::kSuperNormalBack, forms::kDefaultColour);
    const Pixels face = printed(b, kUnpainted);
    EXPECT_EQ(face.at(3, 3), GetSysColor(COLOR_BTNFACE));

    // Caption and font take effect in place.
    write_text(kButton, forms::kSuperCaption, "新");
    EXPECT_EQ(component_test::shown_text(b), "新");
    write(kButton, forms::kSuperFont, reinterpret_cast<u32>("Tahoma"), 0, 6);
    LOGFONTW shown = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(b, WM_GETFONT, 0, 0)), sizeof shown, &shown);
    EXPECT_STREQ(shown.lfFaceName, L"Tahoma");

    // Applicability through the type's operation follows the live configuration.
    auto applies = forms::operation<forms::AppliesOp>(&forms::kSuperButtonType, forms::kOpApplies);
    EXPECT_TRUE(applies(button(), forms::kSuperNormalBack - 8));
    write(kButton, forms::kSuperSystemColours, 1);
    EXPECT_FALSE(applies(button(), forms::kSuperNormalBack - 8));
}

// GDI takes a colour's top byte for a palette selector; only red, green and blue of a
// stored word reach it, whatever else the word holds.
TEST_F(SuperButtonTest, ColourWordsReachTheDrawingWithoutTheirTopByte) {
    SuperButtonProperties p = with_caption("色");
    p.system_colours = 0;
    p.normal_back = 0x01FF0000;  // blue, with the palette-index byte set
    p.normal_text = 0x020000FF;  // red, with the palette-colour byte set
    ASSERT_TRUE(load_window({super_button(kButton, block_of(p))}));
    const Pixels c = printed(component_handle(kButton), kUnpainted);
    EXPECT_EQ(c.at(3, 3), 0x00FF0000u);
    EXPECT_EQ(button()->last_look().text_colour, 0x000000FFu);
    EXPECT_EQ(read(kButton, forms::kSuperNormalBack), 0x01FF0000u);  // the property keeps the word

    // Hovered, the other pair.
    write(kButton, forms::kSuperHoverBack, 0xFF00FF00);
    write(kButton, forms::kSuperHoverText, 0x7F000000);
    hover(component_handle(kButton));
    const Pixels lit = printed(component_handle(kButton), kUnpainted);
    EXPECT_EQ(lit.at(3, 3), 0x0000FF00u);
    EXPECT_EQ(button()->last_look().text_colour, 0x00000000u);
}

TEST_F(SuperButtonTest, SavedPropertiesAndTextsCarryTheLiveValues) {
    SuperButtonProperties p = with_caption("保存");
    p.tooltip = "提示文字";
    ASSERT_TRUE(load_window({super_button(kButton, block_of(p))}));
    write(kButton, forms::kSuperAlignment, 2);
    write(kButton, forms::kSuperFont, reinterpret_cast<u32>("Tahoma"), 0, 6);
    auto save = forms::operation<forms::SavePropertiesOp>(&forms::kSuperButtonType, forms::kOpSaveProperties);
    rt::ByteSetHeader* saved = save(button());
    SuperButtonProperties back;
    ASSERT_TRUE(forms::read_super_button_properties(rt::byte_set_data(saved),
                                                    static_cast<u32>(rt::byte_set_length(saved)), &back));
    EXPECT_EQ(back.alignment, 2u);
    EXPECT_EQ(back.caption, "保存");

    std::vector<std::string> texts;
    auto enumerate = forms::operation<forms::EnumerateTextsOp>(&forms::kSuperButtonType, forms::kOpEnumerateTexts);
    const auto collect = [](const char* t, void* to) { static_cast<std::vector<std::string>*>(to)->push_back(t); };
    enumerate(button(), nullptr, 0, collect, &texts);
    EXPECT_EQ(texts, (std::vector<std::string>{"保存", "提示文字", "Tahoma"}));
    texts.clear();
    const forms::ByteBlock stored = block_of(with_caption("模板"));
    enumerate(nullptr, stored.data(), static_cast<u32>(stored.size()), collect, &texts);
    EXPECT_EQ(texts, (std::vector<std::string>{"模板", ""}));
    rt::release(saved);
}

// ---- pictures -------------------------------------------------------------------------------

TEST_F(SuperButtonTest, PicturesShowThroughTheirTransparencyMasks) {
    SuperButtonProperties p;
    p.caption.clear();
    p.normal_picture = framed_square(RGB(0, 0, 255));  // magenta frame: the top-left colour
    p.hover_picture = framed_square(RGB(0, 255, 0));
    p.hover_transparent = RGB(255, 0, 255);
    ASSERT_TRUE(load_window({super_button(kButton, block_of(p), 10, 40, 40, 40)}));
    HWND b = component_handle(kButton);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    const Pixels rest = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().picture_slot, forms::kSlotNormal);
    const POINT at = button()->last_look().picture_at;
    EXPECT_EQ(at.x, 14);  // centred: no caption
    EXPECT_EQ(rest.at(at.x + 6, at.y + 6), RGB(0, 0, 255));
    EXPECT_EQ(rest.at(at.x + 1, at.y + 1), face);  // the magenta frame is transparent

    hover(b);
    const Pixels lit = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().picture_slot, forms::kSlotHover);
    EXPECT_EQ(lit.at(at.x + 6, at.y + 6), RGB(0, 255, 0));
    EXPECT_EQ(lit.at(at.x + 1, at.y + 1), forms::lighten(face, 32));

    // An explicit transparent colour that the picture lacks: everything shows.
    write(kButton, forms::kSuperNormalTransparent, RGB(1, 2, 3));
    SendMessageW(b, WM_MOUSELEAVE, 0, 0);
    const Pixels solid = printed(b, kUnpainted);
    EXPECT_EQ(solid.at(at.x + 1, at.y + 1), RGB(255, 0, 255));

    // Disabled without a disabled picture: embossed, never the picture's own colours.
    write(kButton, 6, 1);
    const Pixels disabled = printed(b, kUnpainted);
    EXPECT_TRUE(button()->last_look().picture_embossed);
    EXPECT_NE(disabled.at(at.x + 6, at.y + 6), RGB(0, 255, 0));
    EXPECT_NE(disabled.at(at.x + 6, at.y + 6), RGB(0, 0, 255));

    // With one: drawn as it is.
    write_bytes(kButton, forms::kSuperDisabledPicture, framed_square(RGB(128, 0, 0)));
    const Pixels own = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().picture_slot, forms::kSlotDisabled);
    EXPECT_EQ(own.at(at.x + 6, at.y + 6), RGB(128, 0, 0));
    EXPECT_EQ(own.at(at.x + 1, at.y + 1), face);

    // Data that is no picture leaves its slot empty.
    write_bytes(kButton, forms::kSuperDisabledPicture, {1, 2, 3, 4});
    const Pixels none = printed(b, kUnpainted);
    EXPECT_EQ(button()->last_look().picture_slot, forms::kSlotHover);
}

// ---- sounds and tooltip --------------------------------------------------------------------

TEST_F(SuperButtonTest, PlaysTheBuiltInClickOrItsOwnWavesWithoutWaiting) {
    // The built-in click is a wave resource of the program image.
    HRSRC found = FindResourceW(GetModuleHandleW(nullptr), forms::kClickWaveResource, L"WAVE");
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(GetModuleHandleW(nullptr), found)));
    EXPECT_EQ(std::string(data, 4), "RIFF");
    EXPECT_EQ(std::string(data + 8, 4), "WAVE");

    SuperButtonProperties p = with_caption("声音");
    p.builtin_sound = 1;
    p.click_sound = wave(1);  // ignored while the built-in sound is on
    ASSERT_TRUE(load_window({super_button(kButton, block_of(p)), super_button(kSecond, {}, 10, 80)}));
    HWND b = component_handle(kButton);
    hover(b);
    press(b);
    release(b);
    const Played builtin = {"TRIVANE_CLICK", GetModuleHandleW(nullptr),
                            SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOSTOP};
    EXPECT_TRUE(sequence_matches(played(), std::vector<Played>{builtin, builtin}, "sounds"))
        << "hover start, then the click";

    played().clear();
    write(kButton, forms::kSuperBuiltinSound, 0);
    write_bytes(kButton, forms::kSuperHoverSound, wave(2));
    SendMessageW(b, WM_MOUSELEAVE, 0, 0);
    hover(b);
    press(b);
    release(b);
    const forms::ByteBlock hover_wave = wave(2), click_wave = wave(1);
    constexpr DWORD kFromMemory = SND_MEMORY | SND_ASYNC | SND_NODEFAULT | SND_NOSTOP;
    const std::vector<Played> waves = {{std::string(hover_wave.begin(), hover_wave.end()), nullptr, kFromMemory},
                                       {std::string(click_wave.begin(), click_wave.end()), nullptr, kFromMemory}};
    EXPECT_TRUE(sequence_matches(played(), waves, "sounds"));

    // Nothing to play: nothing played.
    played().clear();
    write_bytes(kButton, forms::kSuperClickSound, {});
    press(b);
    release(b);
    EXPECT_TRUE(played().empty());
    EXPECT_EQ(logged(0).size(), 3u);
}

TEST_F(SuperButtonTest, TheTooltipIsMadeOnFirstUseAndFollowsItsText) {
    ASSERT_TRUE(load_window({super_button(kButton, block_of(with_caption("提示")))}));
    // A button made afresh (a rebuild, with no message loop in between) has none;
    // the first queued message for it through the loop makes one, with no tool.
    write(kButton, forms::kSuperDefaultButton, 1);
    HWND b = component_handle(kButton);
    EXPECT_EQ(button()->tooltip().control(), nullptr);
    PostMessageW(b, WM_MOUSEMOVE, 0, client_point(3, 3));
    pump();
    HWND tip = button()->tooltip().control();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);

    write_text(kButton, forms::kSuperTooltip, "恢复默认设置");
    EXPECT_EQ(button()->tooltip().control(), tip);
    ASSERT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(component_test::tool_text(tip, b), rt::to_platform("恢复默认设置"));
    wchar_t text[80] = {};
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = b;
    info.uId = 1;
    info.lpszText = text;  // the control copies the text there too
    RECT client;
    GetClientRect(b, &client);
    SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.rect.right, client.right);
    EXPECT_EQ(info.rect.bottom, client.bottom);

    write_text(kButton, forms::kSuperTooltip, "");
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 0);

    // A button created with a tooltip has its tool at once; the control goes with it.
    SuperButtonProperties p = with_caption("有提示");
    p.tooltip = "马上";
    ASSERT_TRUE(load_window({super_button(kButton, block_of(p))}));
    EXPECT_FALSE(IsWindow(tip));
    ASSERT_NE(button()->tooltip().control(), nullptr);
    EXPECT_EQ(SendMessageW(button()->tooltip().control(), TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(SuperButtonTest, ATooNewBlockFailsTheLoad) {
    forms::ByteBlock block = block_of(with_caption("新"));
    block[0] = static_cast<std::uint8_t>(forms::kSuperButtonTable.version + 1);
    EXPECT_FALSE(load_window({super_button(kButton, block)}));
    // Version 1, without the disabled picture, loads.
    SuperButtonProperties p = with_caption("旧");
    forms::ByteBlock v1 = block_of(p);
    v1.resize(v1.size() - 8);
    v1[0] = 1;
    ASSERT_TRUE(load_window({super_button(kButton, v1)}));
    EXPECT_EQ(read_text(kButton, forms::kSuperCaption), "旧");
    EXPECT_EQ(read(kButton, forms::kSuperDisabledTransparent), forms::kDefaultColour);
}

}  // namespace
}  // namespace drive_super_test
