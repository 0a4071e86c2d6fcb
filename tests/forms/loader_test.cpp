// The loader on real windows: creation order and control ids, re-parenting into
// containers, z-order, the private messages, visibility, the events after the load,
// loading twice, failed loads and modal loads.
#include <algorithm>

#include "forms/components/window_object.h"
#include "forms/loader.h"
#include "forms/record_fields.h"
#include "forms/window_registry.h"
#include "runtime/application.h"
#include "tests/forms/forms_test_program.h"

namespace forms_test {
namespace {

constexpr u32 kA = 0x16010002, kBox = 0x16010003, kInner = 0x16010004, kD = 0x16010005;

// window, A, box (holding inner), inner, D
std::vector<Part> four_components() {
    Part box = button(kBox, "框", 100, 10);
    box.type_id = kTestBox;
    box.width = 150;
    box.height = 100;
    box.children = {kInner};
    Part inner = button(kInner, "里", 12, 20);
    inner.container = kBox;
    return {window_part(plain_window()), button(kA, "甲"), box, inner, button(kD, "丁", 10, 60)};
}

std::vector<HWND> children_in_z_order(HWND parent) {
    std::vector<HWND> out;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) out.push_back(h);
    return out;
}

POINT position_in_parent(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top};
}

using LoaderTest = FormsTest;

TEST_F(LoaderTest, BuildsTheWindowFirstThenComponentsFromTheLastRecordWithSteppedControlIds) {
    install_window(four_components());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));

    EXPECT_TRUE(sequence_matches(type_messages(Seen::kCreated),
                                 std::vector<TypeMessage>{{Seen::kCreated, kD, 100},
                                                          {Seen::kCreated, kInner, 110},
                                                          {Seen::kCreated, kBox, 120},
                                                          {Seen::kCreated, kA, 130}},
                                 "creations"));
    EXPECT_EQ(GetDlgCtrlID(component_handle(kD)), 100);
    EXPECT_EQ(GetDlgCtrlID(component_handle(kA)), 130);

    // The inner component lives in its container, at its stored place there.
    EXPECT_EQ(GetParent(component_handle(kInner)), component_handle(kBox));
    EXPECT_EQ(GetParent(component_handle(kA)), window_handle());
    const POINT p = position_in_parent(component_handle(kInner));
    EXPECT_EQ(p.x, 12);
    EXPECT_EQ(p.y, 20);

    // Record order is z-order within each parent.
    EXPECT_EQ(children_in_z_order(window_handle()),
              (std::vector<HWND>{component_handle(kA), component_handle(kBox), component_handle(kD)}));
    EXPECT_EQ(children_in_z_order(component_handle(kBox)), std::vector<HWND>{component_handle(kInner)});
}

TEST_F(LoaderTest, SendsComponentCreatedThenPrepareFocusFromTheLastRecordDown) {
    install_window(four_components());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    std::vector<TypeMessage> expected;
    for (UINT message : {forms::kMsgComponentCreated, forms::kMsgPrepareFocus})
        for (u32 id : {kD, kInner, kBox, kA}) expected.push_back({Seen::kMessage, id, message});
    EXPECT_TRUE(sequence_matches(type_messages(Seen::kMessage), expected, "messages"));
}

TEST_F(LoaderTest, RaisesCreatedThenMovedAndResizedAfterTheLoadWithNothingWhileBuilding) {
    install_window(four_components());
    bool visible_at_created = true;
    bool components_shown_at_created = false;
    during_event() = [&](i32 event, u32 component) {
        if (event == forms::kWindowCreated && component == forms::kWindowRecordId) {
            visible_at_created = IsWindowVisible(window_handle()) != FALSE;
            components_shown_at_created = (GetWindowLongW(component_handle(kA), GWL_STYLE) & WS_VISIBLE) != 0;
        }
    };
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));

    ASSERT_GE(event_log().size(), 3u);
    const std::vector<LoggedEvent> opening(event_log().begin(), event_log().begin() + 3);
    EXPECT_TRUE(events_are(opening, {{forms::kWindowCreated, forms::kWindowRecordId},
                                     {forms::kWindowMoved, forms::kWindowRecordId},
                                     {forms::kWindowResized, forms::kWindowRecordId}}));
    EXPECT_FALSE(visible_at_created);
    EXPECT_TRUE(components_shown_at_created);
    EXPECT_TRUE(IsWindowVisible(window_handle()));

    // The test components raise a click when they hear they were created: nobody heard it.
    EXPECT_TRUE(logged(0).size() == 1u) << "only the window's created event ran";
    EXPECT_EQ(rt::app().loading_counter, 0);

    // The first activation comes once, before the activation event.
    const auto& log = event_log();
    const auto window_event = [](i32 event) {
        return [event](const LoggedEvent& e) { return describe(e) == std::to_string(event) + "@06010000"; };
    };
    const auto first = std::find_if(log.begin(), log.end(), window_event(8));
    const auto activated = std::find_if(log.begin(), log.end(), window_event(5));
    ASSERT_NE(first, log.end());
    ASSERT_NE(activated, log.end());
    EXPECT_LT(first, activated);
    EXPECT_EQ(logged(8).size(), 1u);
    // The shown window holds the focus itself and hears so once.
    EXPECT_TRUE(events_are(logged(forms::kEventGotFocus), {{-7, forms::kWindowRecordId}}));
}

TEST_F(LoaderTest, AppliesStoredVisibilityAndNeverShowsHiddenTypes) {
    std::vector<Part> parts = four_components();
    parts[1].state &= ~forms::kStateVisible;  // A hidden
    Part hidden = button(0x16010009, "隐");
    hidden.type_id = kTestHidden;  // visible bit set, but the type is never shown
    parts.push_back(hidden);
    install_window(parts);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    EXPECT_FALSE(IsWindowVisible(component_handle(kA)));
    EXPECT_TRUE(IsWindowVisible(component_handle(kD)));
    EXPECT_FALSE(IsWindowVisible(component_handle(0x16010009)));

    // A window whose own visible bit is clear is built but not shown.
    forms::WindowObject::destroy_all();
    parts = four_components();
    parts[0].state = 0;
    install_window(parts);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    ASSERT_NE(window_handle(), nullptr);
    EXPECT_FALSE(IsWindowVisible(window_handle()));
    EXPECT_TRUE(GetWindowLongW(component_handle(kA), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(LoaderTest, LoadingALoadedWindowRestoresItAndBuildsNothing) {
    install_window(four_components());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    const HWND first = window_handle();
    ShowWindow(first, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(first));
    test_type_log().clear();

    EXPECT_TRUE(forms::load_window(kWindowId, nullptr, false));
    EXPECT_EQ(window_handle(), first);
    EXPECT_FALSE(IsIconic(first));
    EXPECT_TRUE(test_type_log().empty());
}

TEST_F(LoaderTest, AFailedComponentLeavesNoWindowAndTheTableAsBefore) {
    for (u32 bad_type : {kTestBroken, 0x0001001Fu /* no such type */}) {
        std::vector<Part> parts = four_components();
        Part bad = button(0x1601000A, "坏");
        bad.type_id = bad_type;
        parts.insert(parts.begin() + 2, bad);  // created after D and inner, before the box
        install_window(parts);
        const forms::ComponentTable before = forms::find_descriptor(kWindowId)->live;

        EXPECT_FALSE(forms::load_window(kWindowId, nullptr, false)) << std::hex << bad_type;
        EXPECT_FALSE(forms::any_window_alive());
        EXPECT_EQ(rt::app().loading_counter, 0);
        const forms::WindowDescriptor* d = forms::find_descriptor(kWindowId);
        EXPECT_EQ(d->live.records, before.records);
        EXPECT_FALSE(d->has_snapshot);
        EXPECT_TRUE(event_log().empty());
    }
}

TEST_F(LoaderTest, RefusesAnOwnerThatIsNotAWindowAndAnUnknownWindow) {
    install_window(four_components());
    EXPECT_FALSE(forms::load_window(kWindowId, reinterpret_cast<HWND>(0x7FFF0), false));
    EXPECT_FALSE(forms::load_window(0x52010077, nullptr, false));
    EXPECT_FALSE(forms::any_window_alive());
}

TEST_F(LoaderTest, AModalLoadFreezesTheOtherWindowsUntilItCloses) {
    install_windows({window_entry(kWindowId, four_components()),
                     window_entry(kSecondWindowId, {window_part(plain_window("对话"), 150, 150, 200, 120)})});
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    const HWND main = window_handle();

    bool main_enabled_meanwhile = true;
    u32 modal_id_meanwhile = 0;
    HWND dialog_owner = nullptr;
    during_event() = [&](i32 event, u32) {
        const HWND dialog = window_handle(kSecondWindowId);
        if (!dialog) return;
        if (event == forms::kWindowCreated) {
            dialog_owner = GetWindow(dialog, GW_OWNER);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        }
        if (event == forms::kWindowMayClose) {
            main_enabled_meanwhile = IsWindowEnabled(main) != FALSE;
            modal_id_meanwhile = rt::app().modal_window_id;
        }
    };
    EXPECT_TRUE(forms::load_window(kSecondWindowId, main, true));  // returns once the dialog is gone

    EXPECT_EQ(window_handle(kSecondWindowId), nullptr);
    EXPECT_FALSE(main_enabled_meanwhile);
    EXPECT_EQ(modal_id_meanwhile, kSecondWindowId);
    EXPECT_EQ(dialog_owner, rt::app().hidden_owner);  // modal: no owner passed on, the hidden one
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(rt::app().modal_window_id, 0u);
    EXPECT_EQ(describe(logged(2).back()), "2@06010000/2");
}

}  // namespace
}  // namespace forms_test
