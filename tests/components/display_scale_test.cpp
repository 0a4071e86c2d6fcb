// The tool's window at the display scales players use: every rectangle follows the
// scale, every caption fits its component, and at 96 DPI nothing moves a pixel.
#include <windows.h>

#include <string>

#include "tests/components/component_test_program.h"
#include "tuner/main_window_ids.h"

namespace component_test {
namespace {

// FNV-1a over the colours, row by row.
u32 checksum(const Pixels& p) {
    u32 h = 2166136261u;
    for (COLORREF c : p.colours)
        for (int shift = 0; shift < 32; shift += 8) h = (h ^ ((c >> shift) & 0xFF)) * 16777619u;
    return h;
}

class DisplayScaleTest : public ComponentTest {
protected:
    void SetUp() override {
        ComponentTest::SetUp();
        install_entry(tool_window());
    }
};

// Taken from the window as it was drawn before it followed the display scale.
TEST_F(DisplayScaleTest, At96DpiTheWindowIsDrawnAsBefore) {
    ASSERT_TRUE(load());
    HWND window = window_handle();
    SetForegroundWindow(window);
    const Pixels p = on_screen(window);
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 369);
    EXPECT_EQ(outer.bottom - outer.top, 328);
    EXPECT_EQ(p.width, 363);
    EXPECT_EQ(p.height, 303);
    EXPECT_EQ(checksum(p), 0x0662599au);
}

}  // namespace
}  // namespace component_test
