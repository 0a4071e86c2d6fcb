// The window's keyboard handling with real key messages through the runtime's
// dispatch: Tab order, Enter, Escape and the arrow keys among radio buttons.
#include "forms/components/window_object.h"
#include "forms/keyboard.h"
#include "forms/loader.h"
#include "forms/window_registry.h"
#include "tests/forms/forms_test_program.h"

namespace forms_test {
namespace {

constexpr u32 kId1 = 0x16010002, kId2 = 0x16010003, kId3 = 0x16010004, kId4 = 0x16010005, kId5 = 0x16010006;
constexpr u32 kHiddenId = 0x16010007, kDisabledId = 0x16010008, kNoStopId = 0x16010009, kNeverShownId = 0x1601000A;

// Five candidates with focus-order words 0, 0, 2, 1, 0 and four that Tab skips.
std::vector<Part> tab_window(forms::WindowProperties window = plain_window()) {
    std::vector<Part> parts = {window_part(window)};
    const u32 orders[] = {0, 0, 2, 1, 0};
    const u32 ids[] = {kId1, kId2, kId3, kId4, kId5};
    for (int i = 0; i < 5; ++i) {
        Part b = button(ids[i], std::to_string(i + 1), 10 + 70 * i, 10);
        b.focus_order = orders[i];
        parts.push_back(b);
    }
    Part hidden = button(kHiddenId, "h", 10, 50);
    hidden.state &= ~forms::kStateVisible;
    Part disabled = button(kDisabledId, "d", 80, 50);
    disabled.state |= forms::kStateDisabled;
    Part no_stop = button(kNoStopId, "n", 150, 50);
    no_stop.state &= ~forms::kStateTabStop;
    Part never = button(kNeverShownId, "v", 220, 50);
    never.type_id = kTestHidden;
    parts.insert(parts.end(), {hidden, disabled, no_stop, never});
    return parts;
}

void press(UINT key, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND target = GetFocus() ? GetFocus() : window_handle();
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

u32 focused_id() {
    HWND f = GetFocus();
    for (u32 id : {kId1, kId2, kId3, kId4, kId5, kHiddenId, kDisabledId, kNoStopId, kNeverShownId})
        if (component_handle(id) == f) return id;
    return f == window_handle() ? forms::kWindowRecordId : 0;
}

using KeyboardTest = FormsTest;

TEST_F(KeyboardTest, TabOrderIsByFocusOrderWordThenDescendingRecord) {
    install_window(tab_window());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    // Records: 1..5 are the candidates (orders 0,0,2,1,0), 6..9 are skipped.
    EXPECT_EQ(forms::tab_order(*forms::find_descriptor(kWindowId)), (std::vector<int>{5, 2, 1, 4, 3}));

    SetFocus(window_handle());
    std::vector<u32> visited;
    for (int i = 0; i < 6; ++i) {
        press(VK_TAB);
        visited.push_back(focused_id());
    }
    EXPECT_EQ(visited, (std::vector<u32>{kId5, kId2, kId1, kId4, kId3, kId5}));

    visited.clear();
    for (int i = 0; i < 3; ++i) {
        press(VK_TAB, true);
        visited.push_back(focused_id());
    }
    EXPECT_EQ(visited, (std::vector<u32>{kId3, kId4, kId1}));
}

TEST_F(KeyboardTest, TabSkipsComponentsHiddenOrDisabledAtRunTime) {
    install_window(tab_window());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    write(kId2, 5, 0);  // hidden
    write(kId1, 6, 1);  // disabled
    EXPECT_EQ(forms::tab_order(*forms::find_descriptor(kWindowId)), (std::vector<int>{5, 4, 3}));
}

// Tab order with record 4 (id 4) a default button, and a radio button (kRadioId)
// that takes the focus without being a push button.
constexpr u32 kRadioId = 0x1601000B;
std::vector<Part> window_with_default(forms::WindowProperties window = plain_window()) {
    std::vector<Part> parts = tab_window(window);
    TestValues v;
    v.caption = "默认";
    v.kind = 1;
    parts[4].data = test_block(v);
    Part radio = button(kRadioId, "r", 10, 90);
    radio.type_id = kTestRadio;
    parts.push_back(radio);
    return parts;
}

void key_down(UINT key, LPARAM bits) {
    PostMessageW(GetFocus() ? GetFocus() : window_handle(), WM_KEYDOWN, key, bits);
    pump();
}

TEST_F(KeyboardTest, EnterAndTheKeypadsEnterPressTheFocusedButton) {
    install_window(window_with_default());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    struct Case {
        const char* what;
        LPARAM bits;
    } cases[] = {{"Enter", 1}, {"the keypad's Enter", 0x01000001}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (u32 id : {kId1, kId4}) {  // a plain button and the default button
            SetFocus(component_handle(id));
            event_log().clear();
            key_down(VK_RETURN, c.bits);
            EXPECT_TRUE(events_are(logged(0), {{0, id}}));
            EXPECT_EQ(focused_id(), id);
        }
        // Held down, the key repeats: the button was pressed once, on the first.
        SetFocus(component_handle(kId1));
        event_log().clear();
        key_down(VK_RETURN, c.bits | (1 << 30));
        EXPECT_TRUE(logged(0).empty());
    }
}

TEST_F(KeyboardTest, EnterWithNoButtonFocusedClicksTheDefaultButton) {
    install_window(window_with_default());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    for (HWND focus : {window_handle(), component_handle(kRadioId)}) {
        SetFocus(focus);
        event_log().clear();
        key_down(VK_RETURN, 1);
        EXPECT_TRUE(events_are(logged(0), {{0, kId4}}));
        EXPECT_EQ(GetFocus(), focus);
    }
}

TEST_F(KeyboardTest, EnterMovesTheFocusWhenTheWindowAsksForItUnlessOnAButton) {
    forms::WindowProperties p = plain_window();
    p.set_word(forms::kWordEnterMovesFocus, 1);
    install_window(window_with_default(p));
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    // Tab order: the radio button (last record, focus word 0) comes first, then id 5.
    SetFocus(window_handle());
    event_log().clear();
    key_down(VK_RETURN, 1);
    EXPECT_EQ(GetFocus(), component_handle(kRadioId));
    key_down(VK_RETURN, 1);
    EXPECT_EQ(focused_id(), kId5);
    EXPECT_TRUE(logged(0).empty());

    key_down(VK_RETURN, 1);
    EXPECT_TRUE(events_are(logged(0), {{0, kId5}}));
    EXPECT_EQ(focused_id(), kId5);
}

// The UI-state changes sent on this thread, as (window, wParam) pairs: the platform
// under test may keep no UI state to read back, so what the window was told is what
// is checked.
std::vector<std::pair<HWND, WPARAM>>& ui_state_changes() {
    static std::vector<std::pair<HWND, WPARAM>> log;
    return log;
}
LRESULT CALLBACK note_ui_state_change(int code, WPARAM wparam, LPARAM lparam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && sent->message == WM_CHANGEUISTATE) ui_state_changes().push_back({sent->hwnd, sent->wParam});
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST_F(KeyboardTest, MovingTheFocusByKeyShowsFocusCues) {
    constexpr u32 kRadio2 = 0x1601000C;
    std::vector<Part> parts = window_with_default();
    Part radio = button(kRadio2, "s", 80, 90);
    radio.type_id = kTestRadio;
    parts.push_back(radio);
    install_window(parts);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, note_ui_state_change, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    struct Case {
        const char* what;
        u32 from;
        UINT key;
        bool shift;
        bool moves;
    } cases[] = {
        {"Tab", kId1, VK_TAB, false, true},
        {"Shift+Tab", kId1, VK_TAB, true, true},
        {"an arrow to the next radio button", kRadioId, VK_DOWN, false, true},
        {"an arrow back", kRadioId, VK_LEFT, false, true},
        {"an arrow on a push button moves nothing", kId1, VK_RIGHT, false, false},
        {"Enter presses, moves nothing", kId1, VK_RETURN, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetFocus(component_handle(c.from));
        ui_state_changes().clear();
        press(c.key, c.shift);
        EXPECT_EQ(GetFocus() != component_handle(c.from), c.moves);
        using Changes = std::vector<std::pair<HWND, WPARAM>>;
        const Changes shown = {{window_handle(), MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS)}};
        EXPECT_EQ(ui_state_changes(), c.moves ? shown : Changes());
    }
    UnhookWindowsHookEx(hook);
}

TEST_F(KeyboardTest, EscapeClosesOnlyWhenTheWindowSaysSo) {
    forms::WindowProperties keeps = plain_window();
    keeps.set_word(forms::kWordEscapeCloses, 0);
    install_window(tab_window(keeps));
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    SetFocus(component_handle(kId1));
    press(VK_ESCAPE);
    EXPECT_NE(window_handle(), nullptr);
    forms::WindowObject::destroy_all();

    install_window(tab_window());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    SetFocus(component_handle(kId1));
    event_log().clear();
    press(VK_ESCAPE);
    EXPECT_EQ(window_handle(), nullptr);
    EXPECT_EQ(logged(forms::kWindowCloseRequested).size(), 1u);  // a close request, not a bare destroy
}

TEST_F(KeyboardTest, ArrowKeysWalkTheRadioButtonsOfOneParent) {
    constexpr u32 kR1 = 0x16010002, kR2 = 0x16010003, kR3 = 0x16010004, kBox = 0x16010005, kBoxed = 0x16010006;
    std::vector<Part> parts = {window_part(plain_window())};
    for (u32 id : {kR1, kR2, kR3}) {
        Part r = button(id, "r", 10, 10 + 25 * static_cast<i32>(id - kR1));
        r.type_id = kTestRadio;
        parts.push_back(r);
    }
    Part box = button(kBox, "框", 150, 10);
    box.type_id = kTestBox;
    box.width = 120;
    box.height = 80;
    box.children = {kBoxed};
    Part boxed = button(kBoxed, "b", 10, 20);
    boxed.type_id = kTestRadio;
    boxed.container = kBox;
    parts.insert(parts.end(), {box, boxed});
    install_window(parts);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));

    SetFocus(component_handle(kR1));
    press(VK_RIGHT);
    EXPECT_EQ(GetFocus(), component_handle(kR2));
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), component_handle(kR3));
    press(VK_DOWN);
    EXPECT_EQ(GetFocus(), component_handle(kR1));
    press(VK_UP);
    EXPECT_EQ(GetFocus(), component_handle(kR3));
    press(VK_LEFT);
    EXPECT_EQ(GetFocus(), component_handle(kR2));

    // Alone in its box: the arrows keep it.
    SetFocus(component_handle(kBoxed));
    press(VK_RIGHT);
    EXPECT_EQ(GetFocus(), component_handle(kBoxed));
}

}  // namespace
}  // namespace forms_test
