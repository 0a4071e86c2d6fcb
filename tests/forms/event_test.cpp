// Event delivery: reflection of parent-side notifications to the child's object,
// event links, results, the current event source, the loading counter, the focus
// events, idle offers and the window system's library services.
#include "forms/component_object.h"
#include "forms/components/window_object.h"
#include "forms/event_dispatch.h"
#include "forms/loader.h"
#include "forms/window_registry.h"
#include "runtime/application.h"
#include "runtime/library_service.h"
#include "runtime/window_system.h"
#include "tests/forms/forms_test_program.h"

namespace forms_test {
namespace {

constexpr u32 kFirst = 0x16010002, kLinked = 0x16010003, kBox = 0x16010004, kInBox = 0x16010005,
              kText = 0x16010006, kUnbound = 0x16010007, kFarLink = 0x16010008;

std::vector<Part> event_parts() {
    Part first = button(kFirst, "甲");
    Part linked = button(kLinked, "乙", 10, 40);
    linked.events = {};
    linked.event_link = kFirst;  // answers with the first button's bindings
    Part box = button(kBox, "框", 120, 10);
    box.type_id = kTestBox;
    box.width = 150;
    box.height = 100;
    box.children = {kInBox, kText};
    Part in_box = button(kInBox, "内", 10, 20);
    in_box.container = kBox;
    Part text = button(kText, "文", 10, 60);
    text.type_id = kTestStatic;
    text.container = kBox;
    Part no_handler = button(kUnbound, "无", 10, 70);
    no_handler.events = {unbound(0)};
    Part far_link = button(kFarLink, "远", 10, 100);
    far_link.type_id = kTestStatic;  // another type: the link is not followed
    far_link.events = {};
    far_link.event_link = kFirst;
    return {window_part(plain_window()), first, linked, box, in_box, text, no_handler, far_link};
}

void load_events_window() {
    install_window(event_parts());
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    event_log().clear();
    test_type_log().clear();
}

struct Raised {
    u32 ran;
    forms::EventRecord record;
};

Raised raise_via_service(u32 component, i32 event, std::initializer_list<u32> args = {}) {
    forms::EventRecord r = {};
    r.window_id = kWindowId;
    r.component_id = component;
    r.event = event;
    for (u32 a : args) r.arguments[r.argument_count++] = a;
    r.result = 0xDEAD;
    const u32 ran = rt::library_service(rt::kSvcRaiseEvent, reinterpret_cast<u32>(&r), 0);
    return {ran, r};
}

using EventTest = FormsTest;

TEST_F(EventTest, NotificationsReachTheChildWhoeverItsParentIs) {
    load_events_window();
    SendMessageW(component_handle(kInBox), BM_CLICK, 0, 0);
    SendMessageW(component_handle(kFirst), BM_CLICK, 0, 0);
    EXPECT_TRUE(events_are(logged(0), {{0, kInBox}, {0, kFirst}}));
    EXPECT_TRUE(sequence_matches(test_type_log(), std::vector<TypeMessage>{{Seen::kReflected, kInBox, WM_COMMAND},
                                                                           {Seen::kReflected, kFirst, WM_COMMAND}},
                                 "messages"));

    // Colour requests land at the parent (the box here) and come back from the child.
    HWND text = component_handle(kText);
    HDC dc = GetDC(text);
    const LRESULT brush = SendMessageW(component_handle(kBox), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(text));
    ReleaseDC(text, dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), test_static_brush());

    // Draw and measure requests are reflected too.
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.hwndItem = component_handle(kFirst);
    SendMessageW(window_handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_BUTTON;
    measure.CtlID = static_cast<UINT>(GetDlgCtrlID(component_handle(kFirst)));
    SendMessageW(window_handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    ASSERT_GE(test_type_log().size(), 2u);
    const std::vector<TypeMessage> last_two(test_type_log().end() - 2, test_type_log().end());
    EXPECT_TRUE(sequence_matches(last_two, std::vector<TypeMessage>{{Seen::kReflected, kFirst, WM_DRAWITEM},
                                                                    {Seen::kReflected, kFirst, WM_MEASUREITEM}},
                                 "messages"));
}

TEST_F(EventTest, EventLinksLendTheBindingsOfAComponentOfTheSameType) {
    load_events_window();
    SendMessageW(component_handle(kLinked), BM_CLICK, 0, 0);
    EXPECT_TRUE(events_are(logged(0), {{0, kLinked}})) << "the first button's handler, for the linked one";

    event_log().clear();
    const Raised r = raise_via_service(kFarLink, 0);
    EXPECT_EQ(r.ran, 0u) << "a link to another type is not followed";
    EXPECT_TRUE(event_log().empty());
}

TEST_F(EventTest, AChainOfLinksThatLoopsEnds) {
    std::vector<Part> parts = event_parts();
    parts[1].event_link = kLinked;  // first -> linked -> first
    parts[1].events = {};
    install_window(parts);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    const Raised r = raise_via_service(kFirst, 0);
    EXPECT_EQ(r.ran, 0u);
}

TEST_F(EventTest, ResultsArePresentOnlyWhenTheHandlerReturnedOne) {
    load_events_window();
    Raised r = raise_via_service(kFirst, 0, {11, 22, 33});
    EXPECT_EQ(r.ran, 1u);
    EXPECT_EQ(r.record.result_present, 0u);
    EXPECT_EQ(describe(event_log().back()), "0@16010002 11 22 33");

    event_answers()[0] = 7;
    r = raise_via_service(kFirst, 0);
    EXPECT_EQ(r.record.result_present, 1u);
    EXPECT_EQ(r.record.result, 7u);

    // Handler offset -1: nothing runs and nothing is returned.
    r = raise_via_service(kUnbound, 0);
    EXPECT_EQ(r.ran, 0u);
    EXPECT_EQ(r.record.result_present, 0u);
    // No binding at all for the event.
    r = raise_via_service(kFirst, 5);
    EXPECT_EQ(r.ran, 0u);
}

TEST_F(EventTest, TheCurrentEventSourceIsSetOnlyWhileAHandlerRuns) {
    load_events_window();
    u32 record[2] = {1, 1};
    EXPECT_EQ(rt::library_service(rt::kSvcCurrentEventSource, reinterpret_cast<u32>(record), 0), 0u);

    u32 inside[2] = {0, 0};
    during_event() = [&](i32, u32) {
        rt::library_service(rt::kSvcCurrentEventSource, reinterpret_cast<u32>(inside), 0);
    };
    raise_via_service(0, forms::kWindowShown);  // component 0 names the window
    EXPECT_EQ(inside[0], kWindowId);
    EXPECT_EQ(inside[1], forms::kWindowRecordId);
    EXPECT_EQ(rt::library_service(rt::kSvcCurrentEventSource, reinterpret_cast<u32>(record), 0), 0u);
}

TEST_F(EventTest, NothingIsDeliveredWhileLoading) {
    load_events_window();
    // The new window's activation may arrive late on a busy machine; let it settle first.
    pump();
    event_log().clear();
    rt::library_service(rt::kSvcBeginLoading, 0, 0);
    SendMessageW(component_handle(kFirst), BM_CLICK, 0, 0);
    EXPECT_EQ(raise_via_service(kFirst, 0).ran, 0u);
    rt::library_service(rt::kSvcEndLoading, 0, 0);
    EXPECT_TRUE(event_log().empty());
    SendMessageW(component_handle(kFirst), BM_CLICK, 0, 0);
    EXPECT_EQ(logged(0).size(), 1u);
}

TEST_F(EventTest, FocusMovesRaiseLostThenGotFocus) {
    load_events_window();
    SetFocus(component_handle(kFirst));
    event_log().clear();
    SetFocus(component_handle(kInBox));
    EXPECT_TRUE(events_are(event_log(), {{-8, kFirst}, {-7, kInBox}}));
}

TEST_F(EventTest, IdleIsOfferedWithTheElapsedTimeAndAcceptedByATrueResult) {
    load_events_window();
    const rt::WindowSystem* ws = rt::window_system();
    EXPECT_FALSE(ws->offer_idle(kWindowId, 120));
    EXPECT_EQ(describe(event_log().back()), "7@06010000 120");
    event_answers()[forms::kWindowIdle] = 1;
    EXPECT_TRUE(ws->offer_idle(kWindowId, 130));
    event_answers()[forms::kWindowIdle] = 0;
    EXPECT_FALSE(ws->offer_idle(kWindowId, 140));
    EXPECT_EQ(ws->loaded_window_ids(), std::vector<u32>{kWindowId});
    EXPECT_TRUE(ws->any_window_alive());
}

TEST_F(EventTest, ComponentObjectsByIdAndTheObjectGoneService) {
    install_window(event_parts());
    EXPECT_EQ(rt::library_service(rt::kSvcComponentObject, kWindowId, kFirst), 0u) << "not loaded";
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));

    const u32 window_object = rt::library_service(rt::kSvcComponentObject, kWindowId, 0);
    EXPECT_EQ(window_object, reinterpret_cast<u32>(forms::ComponentObject::from_window(window_handle())));
    EXPECT_EQ(rt::library_service(rt::kSvcComponentObject, kWindowId, forms::kWindowRecordId), window_object);
    const u32 first = rt::library_service(rt::kSvcComponentObjectRequired, kWindowId, kFirst);
    EXPECT_EQ(first, reinterpret_cast<u32>(forms::ComponentObject::from_window(component_handle(kFirst))));
    EXPECT_EQ(static_cast<u32>(SendMessageW(component_handle(kFirst), forms::kMsgQueryObject, 0, 0)), first);
    EXPECT_EQ(rt::library_service(rt::kSvcComponentObject, kWindowId, 0x1601FFFF), 0u);
    EXPECT_EQ(rt::library_service(rt::kSvcLoadedTemplates, 0, 0), reinterpret_cast<u32>(&forms::loaded_templates()));

    // Gone: the slot is cleared although the platform window still stands.
    HWND h = component_handle(kFirst);
    rt::library_service(rt::kSvcObjectGone, kWindowId, kFirst);
    EXPECT_EQ(component_handle(kFirst), nullptr);
    EXPECT_TRUE(IsWindow(h));

    // The whole window: the live table goes back to the snapshot, the modal id is cleared.
    rt::app().modal_window_id = kWindowId;
    rt::library_service(rt::kSvcObjectGone, kWindowId, 0);
    EXPECT_EQ(rt::app().modal_window_id, 0u);
    EXPECT_FALSE(forms::find_descriptor(kWindowId)->has_snapshot);
    EXPECT_EQ(window_handle(), nullptr);
}

}  // namespace
}  // namespace forms_test
