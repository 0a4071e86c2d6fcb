// The component tests' program: the shared windowed set-up with the real support
// libraries, the suite's makers of component records, and pixels read back from what
// the components paint.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/component_object.h"
#include "forms/template_model.h"
#include "tests/support/window_program.h"

namespace component_test {

using namespace testing_support;

inline constexpr u32 kGroupBoxTypeId = 0x00010009;
inline constexpr u32 kLabelTypeId = 0x0001000A;
inline constexpr u32 kButtonTypeId = 0x0001000B;
inline constexpr u32 kCheckBoxTypeId = 0x0001000C;
inline constexpr u32 kRadioTypeId = 0x0001000D;

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
class ComponentTest : public WindowTest {
protected:
    void SetUp() override;
};

}  // namespace component_test
