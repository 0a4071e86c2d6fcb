// The windowed test programs' shared set-up: a runtime started with the window system,
// the support libraries a suite names and a handler table whose every slot logs the
// event it receives; window templates built in memory from component records; the
// live windows and components; properties read and written through the entry table.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/component_object.h"
#include "forms/components/window_properties.h"
#include "forms/event_handler.h"
#include "forms/template_model.h"
#include "runtime/startup_record.h"
#include "tests/support/event_log.h"

namespace testing_support {

using forms::ByteBlock;

// ---- the program -------------------------------------------------------------------

// The handler table has one slot for every event from kFirstEvent to kLastEvent; bind()
// points an event at its own slot, whose handler logs it (see event_log.h).
inline constexpr i32 kFirstEvent = -8;
inline constexpr i32 kLastEvent = 12;
forms::EventBinding bind(i32 event);
forms::EventBinding unbound(i32 event);
// The event a handler logs for a binding to `slot`: templates made for the tool bind
// their events by the tool's slot numbers.
inline constexpr i32 slot_event(i32 slot) { return slot + kFirstEvent; }

// The real core library (window, label, buttons, boxes) and the interface extension
// library (super button), and the type ids of their types: library number in the high
// word, type number in the low.
std::vector<const rt::SupportLibrary*> real_libraries();
inline constexpr u32 kWindowTypeId = 0x00010001;
inline constexpr u32 kGroupBoxTypeId = 0x00010009;
inline constexpr u32 kLabelTypeId = 0x0001000A;
inline constexpr u32 kButtonTypeId = 0x0001000B;
inline constexpr u32 kCheckBoxTypeId = 0x0001000C;
inline constexpr u32 kRadioTypeId = 0x0001000D;
inline constexpr u32 kDriveBoxTypeId = 0x00010019;
inline constexpr u32 kSuperButtonTypeId = 0x00020001;

// Once per process: installs the window system and initialises the runtime with these
// libraries, an empty template segment and the logging handler table (or `handlers`).
void start_window_program(const std::vector<const rt::SupportLibrary*>& libraries);
void start_window_program(const std::vector<const rt::SupportLibrary*>& libraries,
                          const forms::EventHandler* handlers, i32 handler_count);

// ---- templates ---------------------------------------------------------------------

// A component record in the making; the suites' own makers fill in what they need.
struct Part {
    u32 id = 0;
    u32 type_id = 0;
    std::string name;
    i32 left = 0, top = 0, width = 60, height = 20;
    u32 container = 0;
    std::vector<u32> children;
    u32 state = forms::kStateVisible | forms::kStateTabStop;
    u32 focus_order = 0;
    u32 event_link = 0;
    std::vector<forms::EventBinding> events;
    ByteBlock data;
    ByteBlock cursor = {0, 0, 0, 0};
    std::string tag;
};

// Window properties that keep test windows simple: fixed border, as stored, no
// centring, escape closes.
forms::WindowProperties plain_window(const std::string& title = "测试窗口");
// The window's own record: visible, at this place, with these bindings.
Part window_record(const forms::WindowProperties& properties, i32 left, i32 top, i32 width, i32 height,
                   std::vector<forms::EventBinding> events);
// Click and both focus events.
std::vector<forms::EventBinding> component_events();
// A component record named "部件<id hex>", bound to click and both focus events.
Part component(u32 id, u32 type_id, ByteBlock data, i32 left = 10, i32 top = 10, i32 width = 100, i32 height = 24);
ByteBlock record_of(const Part& part);
forms::WindowEntry window_entry(u32 window_id, const std::vector<Part>& parts);

// Replaces the loaded window templates with these windows; false (and a test
// failure) when the reader refuses them.
bool install_windows(const std::vector<forms::WindowEntry>& windows);
// Loads the window and dispatches what the load left waiting.
bool load(u32 window_id = kWindowId);

// ---- live windows ------------------------------------------------------------------

HWND window_handle(u32 window_id = kWindowId);
forms::ComponentObject* live_component(u32 component_id, u32 window_id = kWindowId);
HWND component_handle(u32 component_id, u32 window_id = kWindowId);
// The live object of a component, of the type the caller expects (null otherwise).
template <typename T = forms::ComponentObject>
T* object_of(u32 component_id, u32 window_id = kWindowId) {
    return dynamic_cast<T*>(live_component(component_id, window_id));
}
DWORD style_of(u32 component_id);
DWORD ex_style_of(u32 component_id);

// Dispatches what is waiting, through the runtime (key handling included).
void pump();
// Dispatches what is waiting straight to the windows, with no runtime in between.
void drain_messages();

// ---- properties through the entry table --------------------------------------------

rt::u64 read(u32 component_id, i32 index, i32 sub = -1, u32 window_id = kWindowId);
void write(u32 component_id, i32 index, u32 lo, u32 hi = 0, i32 sub = -1, u32 window_id = kWindowId);
std::string read_text(u32 component_id, i32 index, i32 sub = -1);
void write_text(u32 component_id, i32 index, const std::string& text);
// Byte data through a byte set the test owns for the call.
ByteBlock read_bytes(u32 component_id, i32 index);
void write_bytes(u32 component_id, i32 index, const ByteBlock& bytes);

// Each test starts with no window, empty logs and no runtime state left from the test
// before, and leaves no window behind. A suite's fixture starts its program first.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace testing_support
