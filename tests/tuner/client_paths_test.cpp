// The steps on a client whose folder name ends in 乗, whose second byte is a
// backslash's: DX11 test mode and the home page replace reach the files below that
// folder, as it is and with the backslash a log deletion leaves behind it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "data/home_page_templates.h"
#include "forms/window_system_install.h"
#include "logic/calls.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/folder_names.h"
#include "tests/tuner/tuner_test_program.h"
#include "tests/tuner/wide_names.h"
#include "tuner/home_page.h"
#include "tuner/main_window.h"
#include "tuner/steps.h"
#include "tuner/tool_state.h"

namespace {

using testing_support::child_report;
using testing_support::read_whole_file;
using testing_support::TempDir;
using tuner_tests::names_in;

// In a child: the tool's window over the install directory the parent names, the DX11
// step and the home page replace, and what they showed.
TRIVANE_CHILD_SCENARIO(dx11_and_home_page_replace) {
    forms::install_window_system();
    tuner_tests::start_tool_runtime();
    tuner::create_tool_state();
    logic::load_start_window(tuner::kMainWindowId);
    // "<1 or 0><folder>": a command line would take a last backslash for a quote's, so the
    // log deletion's backslash is asked for by the first character.
    const std::string& argument = testing_support::child_argument();
    const std::string client = argument.substr(1) + (argument[0] == '1' ? "\\" : "");
    tuner::state().install_directory = logic::Text::copy(client.c_str());
    testing_support::BoxAnswerer answerer(IDOK);
    tuner::run_dx11_step();
    tuner::on_home_page_replace();
    for (const auto& box : answerer.answered()) child_report(box.title + ": " + box.text + "\n");
    child_report("result: " + std::string(tuner::caption_of(tuner::kResultLabel).c_str()) + "\n");
}

TEST(ClientPaths, DX11AndTheHomePageWorkBelowAFolderEndingInABackslashByte) {
    const std::string config = "[General]\r\nDX11BetaTest=0\r\n[Other]\r\nA=1\r\n";
    for (const bool deleted_logs : {false, true}) {
        SCOPED_TRACE(deleted_logs ? "with the backslash of a log deletion" : "as detected");
        TempDir dir;
        const std::string client = dir / "游戏乗";
        // Made by their wide names: the tests' own folder maker splits paths by bytes.
        const std::wstring root = tuner_tests::wide(dir.path());
        ASSERT_TRUE(tuner_tests::write_wide_file(root, L"游戏乗\\Game\\Config\\game.cfg", config));
        ASSERT_TRUE(tuner_tests::write_wide_file(root, L"游戏乗\\LeagueClient\\system.yaml", "the user's own"));

        const auto r = testing_support::run_child_with("dx11_and_home_page_replace", (deleted_logs ? "1" : "0") + client);
        EXPECT_EQ(r.report, "result: 主页已替换成功，感谢你的使用！\n");

        const std::string cfg = client + "\\Game\\Config\\game.cfg";
        EXPECT_EQ(read_whole_file(cfg + ".bak"), config);
        char value[8] = {};
        GetPrivateProfileStringA("General", "DX11BetaTest", "", value, sizeof value, cfg.c_str());
        EXPECT_STREQ(value, "1");
        EXPECT_EQ(names_in(client + "\\Game\\Config"), (std::vector<std::string>{"game.cfg", "game.cfg.bak"}));

        const std::string yaml = client + "\\LeagueClient\\system.yaml";
        EXPECT_EQ(read_whole_file(yaml + ".bak"), "the user's own");
        EXPECT_TRUE(read_whole_file(yaml) ==
                    std::string(reinterpret_cast<const char*>(home_page_blank()), home_page_blank_length()));
        EXPECT_EQ(names_in(client + "\\LeagueClient"), (std::vector<std::string>{"system.yaml", "system.yaml.bak"}));
    }
}

}  // namespace
