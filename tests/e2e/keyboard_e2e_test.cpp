// The real Trivane.exe driven by keys alone: Tab walks to the "点我恢复" button and
// Enter, from the main keyboard or the keypad, presses it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/trivane_driver.h"
#include "tests/support/temp_dir.h"

namespace {

// The window holding the keyboard focus in the tool's UI thread.
HWND focus_of(const e2e::Trivane& tool) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(tool.window(), nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Posts a key press as the keyboard would, to the window with the focus; `bits` are
// the key message's flags (the extended-key bit for the keypad's Enter).
void post_key(const e2e::Trivane& tool, UINT key, LPARAM bits = 0) {
    HWND target = focus_of(tool);
    if (!target) target = tool.window();
    PostMessageA(target, WM_KEYDOWN, key, bits | 1);
    PostMessageA(target, WM_KEYUP, key, bits | 0xC0000001);
}

// Tabs until `control` holds the focus; false when a full round never reaches it.
bool tab_to(const e2e::Trivane& tool, HWND control) {
    for (int presses = 0; presses < 20; ++presses) {
        if (focus_of(tool) == control) return true;
        const HWND before = focus_of(tool);
        post_key(tool, VK_TAB);
        for (int i = 0; i < 100 && focus_of(tool) == before; ++i) Sleep(20);
    }
    return focus_of(tool) == control;
}

bool wait_for_content(const std::string& file, const std::string& part) {
    for (int i = 0; i < 250; ++i, Sleep(20))
        if (e2e::read_file(file).find(part) != std::string::npos) return true;
    return false;
}

TEST(KeyboardEndToEnd, TabReachesTheRestoreButtonAndEitherEnterPressesIt) {
    ASSERT_TRUE(e2e::directory_exists("T:\\")) << "drive T: is mapped by the test command (tools/test.sh)";
    const e2e::SampleClient client = e2e::make_sample_client("T:\\");
    const std::string config = client.install + "\\Game\\Config\\game.cfg";
    testing_support::TempDir temp;
    e2e::Trivane tool(e2e::Launch{e2e::trivane_exe(), "", temp / "standins.log"});
    ASSERT_TRUE(tool.started());
    ASSERT_TRUE(tool.choose_drive('T'));
    ASSERT_TRUE(tool.wait_for_text(e2e::kPromptLabel, client.install));

    const HWND restore = tool.control(e2e::kDx11RestoreButton);
    struct Case {
        const char* what;
        LPARAM bits;
    } cases[] = {{"Enter", 0}, {"the keypad's Enter", 1 << 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        e2e::write_file(config, "[General]\r\nDX11BetaTest=1\r\n");
        ASSERT_TRUE(tab_to(tool, restore));
        post_key(tool, VK_RETURN, c.bits);
        EXPECT_TRUE(wait_for_content(config, "DX11BetaTest=0")) << e2e::read_file(config);
        EXPECT_EQ(focus_of(tool), restore);
    }
    EXPECT_EQ(tool.close(), 0u);
}

}  // namespace
