// A loaded window's life: close requests and their vetoes, log-off, destruction,
// the live table going back to the snapshot, activation events and the quit message
// after the last window.
#include "forms/component_object.h"
#include "forms/components/window_object.h"
#include "forms/loader.h"
#include "forms/record_fields.h"
#include "forms/window_registry.h"
#include "forms/window_system_install.h"
#include "logic/calls.h"
#include "runtime/application.h"
#include "runtime/library_service.h"
#include "tests/forms/forms_test_program.h"

namespace forms_test {
namespace {

constexpr u32 kButton = 0x16010002;

void load_simple_window() {
    install_window({window_part(plain_window()), button(kButton, "甲")});
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    event_log().clear();
}

bool quit_waiting() {
    MSG m;
    return PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

using WindowLifecycleTest = FormsTest;

TEST_F(WindowLifecycleTest, CloseRequestedAndMayCloseCanEachRefuse) {
    struct Case {
        std::map<i32, u32> answers;
        bool closes;
        std::vector<Expected> events;  // close-related events in order
    } cases[] = {
        {{{forms::kWindowCloseRequested, 0}}, false, {{12, forms::kWindowRecordId}}},
        {{{forms::kWindowCloseRequested, 1}, {forms::kWindowMayClose, 0}},
         false,
         {{12, forms::kWindowRecordId}, {1, forms::kWindowRecordId}}},
        {{}, true, {{12, forms::kWindowRecordId}, {1, forms::kWindowRecordId}, {2, forms::kWindowRecordId}}},
    };
    for (const Case& c : cases) {
        load_simple_window();
        event_answers() = c.answers;
        const HWND w = window_handle();
        SendMessageW(w, WM_CLOSE, 0, 0);
        EXPECT_EQ(IsWindow(w) != FALSE, !c.closes);
        EXPECT_TRUE(events_are(logged({12, 1, 2}), c.events));
        forms::WindowObject::destroy_all();
        event_answers().clear();
    }
}

TEST_F(WindowLifecycleTest, LogOffAsksMayCloseAndItsFalseVetoes) {
    load_simple_window();
    event_answers()[forms::kWindowMayClose] = 0;
    EXPECT_EQ(SendMessageW(window_handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    event_answers()[forms::kWindowMayClose] = 1;
    EXPECT_EQ(SendMessageW(window_handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(logged(forms::kWindowMayClose).size(), 2u);
    EXPECT_TRUE(logged(forms::kWindowCloseRequested).empty());
}

TEST_F(WindowLifecycleTest, ChangesMadeWhileLoadedAreDroppedAndEarlierOnesSurvive) {
    install_window({window_part(plain_window()), button(kButton, "甲")});
    write(kButton, 4, reinterpret_cast<u32>("before"));
    write(kButton, 0, 33);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    EXPECT_EQ(read_text(kButton, 4), "before");
    EXPECT_EQ(static_cast<i32>(read(kButton, 0)), 33);

    write(kButton, 4, reinterpret_cast<u32>("during the load"));
    write(kButton, 1, 44);
    EXPECT_EQ(read_text(kButton, 4), "during the load");
    const HWND button_window = component_handle(kButton);
    SendMessageW(window_handle(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(button_window));

    EXPECT_EQ(read_text(kButton, 4), "before");
    EXPECT_EQ(static_cast<i32>(read(kButton, 1)), 10);
    EXPECT_EQ(static_cast<i32>(read(kButton, 0)), 33);
    const forms::WindowDescriptor* d = forms::find_descriptor(kWindowId);
    EXPECT_FALSE(d->has_snapshot);
    for (const forms::ByteBlock& record : d->live.records) {
        EXPECT_EQ(forms::read_fixed(record, forms::Fixed::Object), 0u);
        EXPECT_EQ(forms::read_fixed(record, forms::Fixed::Cursor), 0u);
    }
}

TEST_F(WindowLifecycleTest, ActivationRaisesFirstActivationOnceThenActivatedAndDeactivated) {
    install_windows({window_entry(kWindowId, {window_part(plain_window())}),
                     window_entry(kSecondWindowId, {window_part(plain_window("二"), 300, 300, 200, 150)})});
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    ASSERT_TRUE(forms::load_window(kSecondWindowId, nullptr, false));
    event_log().clear();

    SetActiveWindow(window_handle(kWindowId));
    SetActiveWindow(window_handle(kSecondWindowId));
    SetActiveWindow(window_handle(kWindowId));
    constexpr u32 kRecord = forms::kWindowRecordId;
    EXPECT_TRUE(events_are(logged({5, 6, 8}), {{6, kRecord, {}, kSecondWindow},
                                               {5, kRecord},
                                               {6, kRecord},
                                               {5, kRecord, {}, kSecondWindow},
                                               {6, kRecord, {}, kSecondWindow},
                                               {5, kRecord}}));
}

TEST_F(WindowLifecycleTest, TheFocusedChildComesBackWithTheActivation) {
    install_windows({window_entry(kWindowId, {window_part(plain_window()), button(kButton, "甲")}),
                     window_entry(kSecondWindowId, {window_part(plain_window("二"), 300, 300, 200, 150)})});
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    ASSERT_TRUE(forms::load_window(kSecondWindowId, nullptr, false));
    SetActiveWindow(window_handle(kWindowId));
    SetFocus(component_handle(kButton));
    SetActiveWindow(window_handle(kSecondWindowId));
    SetActiveWindow(window_handle(kWindowId));
    EXPECT_EQ(GetFocus(), component_handle(kButton));
}

TEST_F(WindowLifecycleTest, TheLastWindowPostsQuitOnlyOnceTheLoopWasEntered) {
    install_windows({window_entry(kWindowId, {window_part(plain_window())}),
                     window_entry(kSecondWindowId, {window_part(plain_window("二"), 300, 300, 200, 150)})});
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    SendMessageW(window_handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(quit_waiting()) << "the loop was never entered";

    rt::g_loop_entered = true;
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    ASSERT_TRUE(forms::load_window(kSecondWindowId, nullptr, false));
    SendMessageW(window_handle(kSecondWindowId), WM_CLOSE, 0, 0);
    EXPECT_FALSE(quit_waiting()) << "another window is still loaded";
    SendMessageW(window_handle(kWindowId), WM_CLOSE, 0, 0);
    EXPECT_TRUE(quit_waiting());
}

// Objects are looked up by window handle for every message; a handle the platform
// hands out again later must not lead to an object that went with its old window.
TEST_F(WindowLifecycleTest, AWindowNamesItsObjectOnlyWhileItStands) {
    const auto object_by_id = [](u32 component_id) {
        return reinterpret_cast<forms::ComponentObject*>(
            rt::library_service(rt::kSvcComponentObject, kWindowId, component_id));
    };
    load_simple_window();
    const HWND window = window_handle(), child = component_handle(kButton);
    ASSERT_NE(object_by_id(0), nullptr);
    EXPECT_EQ(forms::ComponentObject::from_window(window), object_by_id(0));
    EXPECT_EQ(forms::ComponentObject::from_window(child), object_by_id(kButton));
    EXPECT_NE(object_by_id(0), object_by_id(kButton));

    // A window the runtime did not make has none, nor has no window.
    const HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, window, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(forms::ComponentObject::from_window(plain), nullptr);
    EXPECT_EQ(forms::ComponentObject::from_window(nullptr), nullptr);

    SendMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(window));
    EXPECT_EQ(forms::ComponentObject::from_window(window), nullptr);
    EXPECT_EQ(forms::ComponentObject::from_window(child), nullptr);

    // Loaded again: the new windows name the new objects.
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    EXPECT_EQ(forms::ComponentObject::from_window(window_handle()), object_by_id(0));
    EXPECT_EQ(forms::ComponentObject::from_window(component_handle(kButton)), object_by_id(kButton));
}

TEST_F(WindowLifecycleTest, AHandlerMayCloseTheWindowFromItsCreatedEvent) {
    install_window({window_part(plain_window()), button(kButton, "甲")});
    during_event() = [](i32 event, u32) {
        if (event == forms::kWindowCreated) DestroyWindow(window_handle());
    };
    EXPECT_TRUE(forms::load_window(kWindowId, nullptr, false));
    EXPECT_FALSE(forms::any_window_alive());
    EXPECT_TRUE(logged(forms::kWindowMoved).empty());
    EXPECT_EQ(logged(forms::kWindowDestroying).size(), 1u);
}

}  // namespace
}  // namespace forms_test

namespace forms_test {
namespace {

// What a program asks to run before its start window is built.
int g_preparations = 0;
bool g_window_stood_at_preparation = false;
void note_preparation() {
    ++g_preparations;
    g_window_stood_at_preparation = window_handle() != nullptr;
}

TEST_F(WindowLifecycleTest, TheStartWindowRunsTheLoopUntilItIsClosed) {
    install_window({window_part(plain_window()), button(kButton, "甲")});
    forms::install_window_system(note_preparation);
    logic::load_start_window(kWindowId);
    forms::install_window_system();
    EXPECT_EQ(g_preparations, 1);
    EXPECT_FALSE(g_window_stood_at_preparation);
    ASSERT_NE(window_handle(), nullptr);
    // Escape reaches the window through the loop's keyboard handling and closes it.
    PostMessageW(component_handle(kButton), WM_KEYDOWN, VK_ESCAPE, 1);
    logic::run_message_loop();
    EXPECT_TRUE(rt::g_loop_entered);
    EXPECT_FALSE(forms::any_window_alive());
    EXPECT_EQ(logged(forms::kWindowDestroying).size(), 1u);
}

TEST_F(WindowLifecycleTest, ShowingAndHidingTheWindowRaiseShownAndHidden) {
    load_simple_window();
    write(0, 5, 0);
    EXPECT_FALSE(IsWindowVisible(window_handle()));
    write(0, 5, 1);
    EXPECT_TRUE(IsWindowVisible(window_handle()));
    EXPECT_EQ(logged(forms::kWindowHidden).size(), 1u);
    EXPECT_EQ(logged(forms::kWindowShown).size(), 1u);
}

}  // namespace
}  // namespace forms_test
