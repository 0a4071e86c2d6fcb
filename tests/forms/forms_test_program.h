// The forms tests' program: the shared windowed set-up with a core library of the
// window type plus the test types, and the test suite's own makers of windows and
// buttons.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/components/window_properties.h"
#include "forms/template_model.h"
#include "tests/forms/test_component_types.h"
#include "tests/support/window_program.h"

namespace forms_test {

using namespace testing_support;

// Once per process: installs the window system, initialises the runtime.
void start_forms_runtime();

// Bindings for every window event and the focus events.
std::vector<forms::EventBinding> all_window_events();

Part window_part(const forms::WindowProperties& properties, i32 left = 100, i32 top = 100, i32 width = 400,
                 i32 height = 300);
// A test button 60 by 20, bound to click and both focus events.
Part button(u32 id, const std::string& caption, i32 left = 10, i32 top = 10);

inline void install_window(const std::vector<Part>& parts) { install_windows({window_entry(kWindowId, parts)}); }

// An icon (or, with `cursor`, a cursor) file holding one 16x16 image.
forms::ByteBlock image_file(bool cursor);
// An icon file with one 16-colour image of each of these square sizes.
forms::ByteBlock icon_file(const std::vector<int>& sides);

// Each test starts with no window and empty logs, and leaves none behind.
class FormsTest : public WindowTest {
protected:
    void SetUp() override;
};

}  // namespace forms_test
