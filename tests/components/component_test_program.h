// The component tests' program: the shared windowed set-up with the real support
// libraries, the suite's makers of component records, the tool's own window, and
// pixels read back.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/component_object.h"
#include "forms/template_model.h"
#include "tests/components/tool_template.h"
#include "tests/support/pixels.h"
#include "tests/support/window_program.h"

namespace component_test {

using namespace testing_support;

// Once per process.
void start_runtime();

// The window record: a plain visible window of this size.
Part window_part(i32 width = 400, i32 height = 300);

void install(const std::vector<Part>& parts);
void install_entry(const forms::WindowEntry& entry);
// Loads the window and dispatches what the load left waiting; the event log starts
// empty afterwards.
bool load();

// The component's block as its save operation hands it out.
ByteBlock saved_block(u32 component_id);
// The texts its enumerate operation reports, live or from a block.
std::vector<std::string> enumerated_texts(u32 type_id, forms::ComponentObject* object, const ByteBlock& data);
// Operation 4 called directly (values the property service would have converted).
u32 set_directly(u32 component_id, i32 index, forms::ValueRecord value);

// A write to a property that sets the control's style: what is written, what reads
// back, and the style bits under `mask` it leaves.
struct StyleWrite {
    i32 index;
    u32 written, stored;
    DWORD mask, style;
};
// Makes each write to the component in turn, checking what reads back and its style.
void expect_style_writes(u32 component_id, const std::vector<StyleWrite>& writes);

// Each test starts with no window and empty logs, and leaves none behind.
class ComponentTest : public WindowTest {
protected:
    void SetUp() override;
};

}  // namespace component_test
