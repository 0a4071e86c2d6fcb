// The drive box and super button tests' program: a runtime started with the window
// system, the core library (window and drive box) and the interface extension
// library (super button), a handler table that logs each event with its source, and
// windows built in memory from component records.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/component_object.h"
#include "forms/template_model.h"

namespace drive_super_test {

using forms::i32;
using forms::u32;

inline constexpr u32 kWindowId = 0x52010001;
inline constexpr u32 kWindowTypeId = 0x00010001;
inline constexpr u32 kDriveBoxTypeId = 0x00010019;
inline constexpr u32 kSuperButtonTypeId = 0x00020001;

// Once per process: installs the window system, initialises the runtime.
void start_runtime();

// "<event>@<component id hex>" for every event a handler received, with the source
// the runtime reported while the handler ran. The handler table has one slot per
// event from -8 to 0, and the parts below bind each event to its own slot.
std::vector<std::string>& event_log();
std::vector<std::string> logged(i32 event);
// Runs inside every handler, after logging, with the event and its component.
std::function<void(i32 event, u32 component_id)>& during_event();

// A component record in the making.
struct Part {
    u32 id = 0;
    u32 type_id = 0;
    i32 left = 10, top = 10, width = 80, height = 24;
    u32 container = 0;
    u32 state = forms::kStateVisible | forms::kStateTabStop;
    std::vector<forms::EventBinding> events = {bind(0), bind(-7), bind(-8)};
    forms::ByteBlock data;

    static forms::EventBinding bind(i32 event);
};

Part drive_box(u32 id, forms::ByteBlock data = {}, i32 left = 10, i32 top = 10, i32 width = 160, i32 height = 20);
Part super_button(u32 id, forms::ByteBlock data = {}, i32 left = 10, i32 top = 40, i32 width = 100, i32 height = 30);

// The property data block the tool's own window template stores for a component.
forms::ByteBlock template_block(u32 component_id);

// Installs a window holding these components (after the window's own record) and
// loads it; true when the load succeeded.
bool load_window(const std::vector<Part>& parts);

// Installs this window entry as the only template and loads it.
bool load_entry(const forms::WindowEntry& entry);
// The tool's own window, as its embedded template holds it. Its bindings are slots
// of the tool's handler table; the handler in slot n logs handler_tag(n) followed by
// the component id.
forms::WindowEntry tool_window();
std::string handler_tag(i32 slot);

HWND window_handle();
HWND component_handle(u32 component_id);
// The live object of a component, of the type the caller expects (null otherwise).
template <typename T>
T* object_of(u32 component_id);
void* raw_object(u32 component_id);

// Dispatches what is waiting, through the runtime (key handling included).
void pump();

rt::u64 read(u32 component_id, i32 index, i32 sub = -1);
void write(u32 component_id, i32 index, u32 lo, u32 hi = 0, i32 sub = -1);
std::string read_text(u32 component_id, i32 index);
void write_text(u32 component_id, i32 index, const std::string& text);
void write_bytes(u32 component_id, i32 index, const forms::ByteBlock& bytes);

// Each test starts with no window and an empty log, and leaves none behind.
class ComponentTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

template <typename T>
T* object_of(u32 component_id) {
    return dynamic_cast<T*>(static_cast<forms::ComponentObject*>(raw_object(component_id)));
}

}  // namespace drive_super_test
