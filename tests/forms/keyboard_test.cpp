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
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
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

TEST_F(KeyboardTest, EnterClicksTheDefaultButtonOrMovesTheFocus) {
    std::vector<Part> parts = tab_window();
    TestValues v;
    v.caption = "默认";
    v.kind = 1;
    parts[4].data = test_block(v);  // record 4 (id 4) is a default button
    install_window(parts);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));

    // Focus on a plain button: the first default button from record 1 up is clicked.
    SetFocus(component_handle(kId1));
    event_log().clear();
    press(VK_RETURN);
    EXPECT_TRUE(events_are(logged(0), {{0, kId4}}));
    EXPECT_EQ(focused_id(), kId1);

    // The default button itself focused: it is clicked.
    SetFocus(component_handle(kId4));
    event_log().clear();
    press(VK_RETURN);
    EXPECT_TRUE(events_are(logged(0), {{0, kId4}}));
}

TEST_F(KeyboardTest, EnterMovesTheFocusWhenTheWindowAsksForIt) {
    forms::WindowProperties p = plain_window();
    p.set_word(forms::kWordEnterMovesFocus, 1);
    install_window(tab_window(p));
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    SetFocus(component_handle(kId5));
    event_log().clear();
    press(VK_RETURN);
    EXPECT_EQ(focused_id(), kId2);
    EXPECT_TRUE(logged(0).empty());
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
