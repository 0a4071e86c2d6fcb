// A client in a folder the system and every user share: the log cleanup and the Cross
// step leave that folder alone, as they do at the root of a drive, saying why once per
// press. The user's profile folder stands for them all; the launcher's registry value
// names it, so the tool takes it at once, without walking drive C:.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/trivane_driver.h"
#include "tests/support/box_look.h"
#include "tests/support/temp_dir.h"

namespace {

std::string profile_folder() {
    char value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA("USERPROFILE", value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? value : "";
}

// A complete client laid out in the profile folder and named by the launcher's value;
// everything placed is removed again, also what a faulty run moved aside.
struct ClientInProfile {
    explicit ClientInProfile(std::string folder) : profile(std::move(folder)) {
        e2e::write_file(profile + "\\LeagueClient\\system.yaml", e2e::kSystemYaml);
        e2e::write_file(profile + "\\LeagueClient\\LeagueClient.exe", "MZ");
        e2e::write_file(profile + "\\Game\\Config\\game.cfg", e2e::kGameCfg);
        e2e::write_file(profile + "\\Cross\\cache.bin", "frames");
        for (const std::string& log : logs()) e2e::write_file(log, "log");
        EXPECT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Tencent\\LOL", "InstallPath", REG_SZ, profile.c_str(),
                                  static_cast<DWORD>(profile.size() + 1)),
                  ERROR_SUCCESS);
    }
    ~ClientInProfile() {
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tencent\\LOL");
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tencent");  // refused while it holds other keys
        for (const char* placed : {"\\LeagueClient", "\\Game", "\\Cross", "\\Crossbak", "\\Crossend"})
            testing_support::remove_tree(profile + placed);
        for (const std::string& log : logs()) DeleteFileA(log.c_str());
    }
    std::vector<std::string> logs() const { return {profile + "\\trivane_e2e_profile.log"}; }

    std::string profile;
};

TEST(SharedFolderEndToEnd, AClientInTheProfileFolderLeavesTheFolderAlone) {
    const std::string profile = profile_folder();
    ASSERT_FALSE(profile.empty());
    const ClientInProfile client(profile);
    const std::string skipped = "LOL安装在系统共用文件夹中，为安全起见已跳过此步骤";

    testing_support::TempDir temp;
    e2e::Trivane tool(e2e::Launch{e2e::trivane_exe(), "", temp / "standins.log"});
    ASSERT_TRUE(tool.started());
    ASSERT_TRUE(tool.choose_drive('C'));
    ASSERT_TRUE(tool.wait_for_text(e2e::kPromptLabel, profile)) << tool.text(e2e::kPromptLabel);
    tool.click(e2e::kCrossBox);
    tool.click(e2e::kLogBox);
    for (int press = 0; press < 2; ++press) {  // said again on the next press
        testing_support::LookingAnswerer answerer(tool.pid());
        tool.click(e2e::kOptimizeButton);
        const std::vector<testing_support::LookedAtBox> boxes = answerer.answered();
        ASSERT_EQ(boxes.size(), 1u) << press;
        EXPECT_EQ(boxes[0].text, skipped);
        EXPECT_EQ(boxes[0].title, "警告");
        EXPECT_TRUE(boxes[0].icon == testing_support::icon_of_style(16));  // as every box of the tool
    }
    EXPECT_EQ(tool.text(e2e::kResultLabel), "");
    EXPECT_EQ(tool.close(), 0u);

    for (const std::string& log : client.logs()) EXPECT_TRUE(e2e::file_exists(log)) << log;
    EXPECT_EQ(e2e::list_names(profile + "\\Cross"), std::vector<std::string>{"cache.bin"});
    EXPECT_FALSE(e2e::directory_exists(profile + "\\Crossbak"));
}

}  // namespace
