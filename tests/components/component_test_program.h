// The component tests' program: a runtime started with the window system and the
// real support libraries, a handler table that logs every event it receives (with the
// current event source), templates built in memory, and pixels read back from what
// the components paint.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/component_object.h"
#include "forms/event_handler.h"
#include "forms/template_model.h"

namespace component_test {

using forms::ByteBlock;
using forms::i32;
using forms::u32;

inline constexpr u32 kWindowId = 0x52010001;
inline constexpr u32 kWindowTypeId = 0x00010001;
inline constexpr u32 kGroupBoxTypeId = 0x00010009;
inline constexpr u32 kLabelTypeId = 0x0001000A;
inline constexpr u32 kButtonTypeId = 0x0001000B;
inline constexpr u32 kCheckBoxTypeId = 0x0001000C;
inline constexpr u32 kRadioTypeId = 0x0001000D;

// Once per process.
void start_runtime();

// ---- handlers ----------------------------------------------------------------------

// Every event from -8 to 12 has a handler; it logs "<event>@<component id hex>" using
// the current event source, then runs during_event().
std::vector<std::string>& event_log();
std::function<void(i32 event, u32 component_id)>& during_event();
std::vector<std::string> logged(i32 event);
std::string hex(u32 v);

forms::EventBinding bind(i32 event);
// What the handler in slot `slot` of the table logs for a component: templates made for
// the tool bind their events by the tool's slot numbers, and slot n logs as event n - 8.
std::string slot_entry(i32 slot, u32 component_id);
// Click and both focus events.
std::vector<forms::EventBinding> component_events();

// ---- templates -----------------------------------------------------------------------

struct Part {
    u32 id = 0;
    u32 type_id = 0;
    std::string name;
    i32 left = 10, top = 10, width = 100, height = 24;
    u32 container = 0;
    std::vector<u32> children;
    u32 state = forms::kStateVisible | forms::kStateTabStop;
    std::vector<forms::EventBinding> events = component_events();
    ByteBlock data;
};

Part component(u32 id, u32 type_id, ByteBlock data, i32 left = 10, i32 top = 10, i32 width = 100, i32 height = 24);
// The window record: a plain visible window of this size.
Part window_part(i32 width = 400, i32 height = 300);

void install(const std::vector<Part>& parts);
void install_entry(const forms::WindowEntry& entry);
// Loads the window and dispatches what the load left waiting; the event log starts
// empty afterwards.
bool load();

// ---- live components -------------------------------------------------------------------

HWND window_handle();
HWND component_handle(u32 component_id);
forms::ComponentObject* object_of(u32 component_id);
void pump();

rt::u64 read(u32 component_id, i32 index, i32 sub = -1);
void write(u32 component_id, i32 index, u32 lo, u32 hi = 0, i32 sub = -1);
std::string read_text(u32 component_id, i32 index);
void write_text(u32 component_id, i32 index, const std::string& text);
// Byte data through a byte set the test owns for the call.
void write_bytes(u32 component_id, i32 index, const ByteBlock& bytes);
ByteBlock read_bytes(u32 component_id, i32 index);

// The component's block as its save operation hands it out.
ByteBlock saved_block(u32 component_id);
// The texts its enumerate operation reports, live or from a block.
std::vector<std::string> enumerated_texts(u32 type_id, forms::ComponentObject* object, const ByteBlock& data);
// Operation 4 called directly (values the property service would have converted).
u32 set_directly(u32 component_id, i32 index, forms::ValueRecord value);

DWORD style_of(u32 component_id);
DWORD ex_style_of(u32 component_id);

// ---- pixels ----------------------------------------------------------------------------

// A client area as 0x00BBGGRR colours, row by row.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> colours;
    COLORREF at(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
    int count(COLORREF c) const;
    // Whether any pixel inside [left, right) x [top, bottom) has colour c.
    bool any(COLORREF c, int left, int top, int right, int bottom) const;
    // The smallest rectangle holding every pixel of colour c (empty when none).
    RECT bounds(COLORREF c) const;
    // Pixels nearer to c than to `ground`, black and white: smoothed text over its
    // background counts, other text and frames do not.
    int count_toward(COLORREF c, COLORREF ground) const;
    RECT bounds_toward(COLORREF c, COLORREF ground) const;
};
// What the window paints into a memory canvas through WM_PRINTCLIENT, the canvas
// filled with `ground` first.
Pixels printed(HWND window, COLORREF ground = RGB(1, 2, 3));
// What the window's erase fills into a canvas of `ground` (WM_ERASEBKGND).
Pixels erased(HWND window, COLORREF ground = RGB(1, 2, 3));
// What the screen shows of the window's client area after it painted.
Pixels on_screen(HWND window);

// Each test starts with no window and empty logs, and leaves none behind.
class ComponentTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace component_test
