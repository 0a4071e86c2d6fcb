// The walk that finds the client's install directory on a drive.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/memory.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/install_search.h"

namespace {

using testing_support::TempDir;

std::string find(const TempDir& dir) {
    std::atomic<bool> stop{false};
    char* found = tuner::find_client_config((dir.path() + "\\").c_str(), stop);
    std::string result = found ? found : "";
    rt::release(found);
    return result;
}

TEST(InstallSearch, FindsTheFolderAboveLeagueClient) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    dir.write("Games\\英雄联盟\\LeagueClient\\system.yaml", "x");
    dir.write("Games\\英雄联盟\\Game\\game.cfg", "x");
    const std::string found = find(dir);
    EXPECT_EQ(found, dir / "Games\\英雄联盟\\LeagueClient\\system.yaml");
    char* install = tuner::install_directory_of(found.c_str());
    EXPECT_STREQ(install, (dir / "Games\\英雄联盟").c_str());
    rt::release(install);
}

TEST(InstallSearch, OnlyAFileInAFolderNamedLeagueClientQualifies) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    dir.write("a\\system.yaml", "x");                    // outside any client
    dir.write("b\\LeagueClientOld\\system.yaml", "x");  // a longer folder name
    dir.write("c\\LeagueClient\\system.yaml\\inner.txt", "x");  // a folder named system.yaml
    EXPECT_EQ(find(dir), "");
    dir.write("d\\leagueclient\\SYSTEM.YAML", "x");  // letter case as the file system ignores it
    EXPECT_EQ(find(dir), dir / "d\\leagueclient\\SYSTEM.YAML");
}

TEST(InstallSearch, FilesOfAFolderComeBeforeItsSubfoldersAndTheFirstMatchWins) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    dir.write("LeagueClient\\deeper\\LeagueClient\\system.yaml", "x");
    dir.write("LeagueClient\\system.yaml", "x");
    EXPECT_EQ(find(dir), dir / "LeagueClient\\system.yaml");
}

TEST(InstallSearch, AStopRequestEndsTheWalkWithoutAResult) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    dir.write("x\\LeagueClient\\system.yaml", "x");
    std::atomic<bool> stop{true};
    EXPECT_EQ(tuner::find_client_config((dir.path() + "\\").c_str(), stop), nullptr);
}

TEST(InstallSearch, TheInstallDirectoryIsNeverEmpty) {
    tuner_tests::start_tool_runtime();
    char* root = tuner::install_directory_of("D:\\LeagueClient\\system.yaml");
    EXPECT_STREQ(root, "D:");
    rt::release(root);
}

}  // namespace
