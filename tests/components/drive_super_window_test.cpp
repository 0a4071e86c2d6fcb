// The drive box and the super button inside the tool's own window, as its embedded
// template builds them among the other components: the super button sits in a group
// box, so its drawing and its clicks reach it only by reflection.
#include "forms/components/drive_box_object.h"
#include "forms/components/super_button_object.h"
#include "tests/components/drive_super_program.h"
#include "tuner/handler_offsets.h"

namespace drive_super_test {
namespace {

constexpr u32 kSuper = tuner::kRestoreButton, kDrives = tuner::kDriveBox, kOptimizeGroup = tuner::kOptimizeGroup,
              kDx11Box = tuner::kDx11Box;

using ToolWindowTest = ComponentTest;

TEST_F(ToolWindowTest, TheSuperButtonIsDrawnFlatInItsGroupBoxAndClicksItsHandler) {
    ASSERT_TRUE(load_entry(tool_window()));
    HWND b = component_handle(kSuper);
    ASSERT_EQ(GetParent(b), component_handle(kOptimizeGroup));
    auto* button = object_of<forms::SuperButtonObject>(kSuper);
    ASSERT_NE(button, nullptr);
    UpdateWindow(window_handle());
    EXPECT_GT(button->drawings(), 0);
    EXPECT_EQ(button->last_look().background, forms::Background::Normal);
    EXPECT_EQ(button->last_look().border, forms::Border::None);

    // It stands right of the DX11 box, whose caption points at it.
    RECT box, self;
    GetWindowRect(component_handle(kDx11Box), &box);
    GetWindowRect(b, &self);
    EXPECT_GT(self.left, box.left);
    EXPECT_LT(self.top, box.bottom);

    event_log().clear();
    SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    UpdateWindow(b);  // the platform redraws a pressed button on its next paint
    EXPECT_TRUE(button->last_look().pressed);
    SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(events_are(event_log(), {{slot_event(tuner::kHandlerDx11Restore), kSuper}}));
}

TEST_F(ToolWindowTest, TheDriveBoxListsTheDrivesAndAConfirmedChoiceStartsTheSearchHandler) {
    ASSERT_TRUE(load_entry(tool_window()));
    HWND drives = component_handle(kDrives);
    ASSERT_NE(object_of<forms::DriveBoxObject>(kDrives), nullptr);
    wchar_t roots[300] = {};
    const DWORD n = GetLogicalDriveStringsW(std::size(roots) - 1, roots);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(SendMessageW(drives, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(n / 4));
    EXPECT_GE(SendMessageW(drives, CB_GETCURSEL, 0, 0), 0);  // the current drive

    event_log().clear();
    SendMessageW(drives, CB_SETCURSEL, 0, 0);
    SendMessageW(GetParent(drives), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(drives), CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(drives));
    EXPECT_TRUE(events_are(event_log(), {{slot_event(tuner::kHandlerDriveChanged), kDrives}}));
    EXPECT_EQ(read_text(kDrives, forms::kDriveCurrent), std::string(1, static_cast<char>(roots[0])));
}

}  // namespace
}  // namespace drive_super_test
