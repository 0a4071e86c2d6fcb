// The drive box and super button tests' program: the shared windowed set-up with the
// core library (window and drive box) and the interface extension library (super
// button), windows built in memory from component records, the tool's own window,
// and pixels read back.
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

namespace drive_super_test {

using namespace testing_support;
using component_test::template_block;
using component_test::tool_window;

// Once per process: installs the window system, initialises the runtime.
void start_runtime();

Part drive_box(u32 id, forms::ByteBlock data = {}, i32 left = 10, i32 top = 10, i32 width = 160, i32 height = 20);
Part super_button(u32 id, forms::ByteBlock data = {}, i32 left = 10, i32 top = 40, i32 width = 100, i32 height = 30);

// Installs a window holding these components (after the window's own record) and
// loads it; true when the load succeeded.
bool load_window(const std::vector<Part>& parts);
// Installs this window entry as the only template and loads it.
bool load_entry(const forms::WindowEntry& entry);

// Each test starts with no window and an empty log, and leaves none behind.
class ComponentTest : public WindowTest {
protected:
    void SetUp() override;
};

}  // namespace drive_super_test
