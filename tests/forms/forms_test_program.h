// The forms tests' program: a runtime started with the window system and a core
// library of the window type plus the test types, a handler table that logs every
// event it receives (with the current event source), and templates built in memory.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/components/window_properties.h"
#include "forms/event_handler.h"
#include "forms/template_model.h"
#include "tests/forms/test_component_types.h"

namespace forms_test {

inline constexpr u32 kWindowId = 0x52010001;
inline constexpr u32 kSecondWindowId = 0x52010002;
inline constexpr u32 kWindowTypeId = 0x00010001;

// Once per process: installs the window system, initialises the runtime.
void start_forms_runtime();

// ---- handlers ----------------------------------------------------------------------

// Every event from -8 to 12 has a handler slot; the handler logs
// "<event>@<component id hex>[/2]" and its arguments, using the current event source
// ("/2" marks the second window).
std::vector<std::string>& event_log();
// Events whose handler returns a value: event number -> value.
std::map<i32, u32>& event_answers();
// Runs inside the handler, after logging.
std::function<void(i32 event, u32 component_id)>& during_event();
// Only the entries of `event_log()` for this event number.
std::vector<std::string> logged(i32 event);

// Binding of an event to its logging handler; kNoHandler leaves it unbound (-1).
forms::EventBinding bind(i32 event);
forms::EventBinding unbound(i32 event);
// Bindings for every window event and the focus events.
std::vector<forms::EventBinding> all_window_events();

// ---- templates -----------------------------------------------------------------------

struct Part {
    u32 id = 0;
    u32 type_id = kTestButton;
    std::string name;
    i32 left = 0, top = 0, width = 60, height = 20;
    u32 container = 0;
    std::vector<u32> children;
    u32 state = forms::kStateVisible | forms::kStateTabStop;
    u32 focus_order = 0;
    u32 event_link = 0;
    std::vector<forms::EventBinding> events;
    forms::ByteBlock data;
    forms::ByteBlock cursor = {0, 0, 0, 0};
    std::string tag;
};

Part window_part(const forms::WindowProperties& properties, i32 left = 100, i32 top = 100, i32 width = 400,
                 i32 height = 300);
Part button(u32 id, const std::string& caption, i32 left = 10, i32 top = 10);
forms::ByteBlock record_of(const Part& part);
forms::WindowEntry window_entry(u32 window_id, const std::vector<Part>& parts);

// Replaces the loaded window templates with these windows.
void install_windows(const std::vector<forms::WindowEntry>& windows);
inline void install_window(const std::vector<Part>& parts) { install_windows({window_entry(kWindowId, parts)}); }

// Window properties that keep test windows simple: fixed border, as stored, no
// centring, escape closes.
forms::WindowProperties plain_window(const std::string& title = "测试窗口");

// An icon (or, with `cursor`, a cursor) file holding one 16x16 image.
forms::ByteBlock image_file(bool cursor);

// ---- live windows --------------------------------------------------------------------

HWND window_handle(u32 window_id = kWindowId);
HWND component_handle(u32 component_id, u32 window_id = kWindowId);
void pump();  // dispatches what is waiting (through the runtime, keyboard handling included)

rt::u64 read(u32 component_id, i32 index, i32 sub = -1, u32 window_id = kWindowId);
void write(u32 component_id, i32 index, u32 lo, u32 hi = 0, i32 sub = -1, u32 window_id = kWindowId);
std::string read_text(u32 component_id, i32 index, i32 sub = -1);
forms::ByteBlock read_bytes(u32 component_id, i32 index);

// Each test starts with no window and empty logs, and leaves none behind.
class FormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace forms_test
