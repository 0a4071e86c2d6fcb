// The walk that finds the client's install directory on a drive.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// The logic's own headers first: runtime/memory.h would make their release calls ambiguous.
#include "tests/tuner/stand_in.h"

#include "runtime/memory.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tests/tuner/wide_names.h"
#include "tuner/install_search.h"

namespace {

using testing_support::TempDir;

std::string find(const std::string& folder) {
    std::atomic<bool> stop{false};
    char* found = tuner::find_client_config((folder + "\\").c_str(), stop);
    std::string result = found ? found : "";
    rt::release(found);
    return result;
}

std::string find(const TempDir& dir) { return find(dir.path()); }

// Every folder a walk lists, as the patterns it hands the platform; the walk lists on
// helper threads too.
SRWLOCK g_listed_lock = SRWLOCK_INIT;
std::vector<std::string> g_listed;

HANDLE WINAPI counted_listing(LPCWSTR pattern, FINDEX_INFO_LEVELS level, LPVOID data, FINDEX_SEARCH_OPS search,
                              LPVOID filter, DWORD flags) {
    char narrow[MAX_PATH * 2] = {};
    WideCharToMultiByte(936, 0, pattern, -1, narrow, sizeof narrow, nullptr, nullptr);
    AcquireSRWLockExclusive(&g_listed_lock);
    g_listed.push_back(narrow);
    ReleaseSRWLockExclusive(&g_listed_lock);
    return FindFirstFileExW(pattern, level, data, search, filter, flags);
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

// C:\\trivane_walk is a tree the test command makes with two linked folders in it
// (which the platform reports as reparse points): "outside" leads to the folder behind
// C:\\trivane_linked, where this test places a client, and "inner\\up" back to the
// tree's top. The walk enters neither: no client, no folder listed twice.
TEST(InstallSearch, FollowsNoLinkOutOfTheTreeOrBackUpIt) {
    tuner_tests::start_tool_runtime();
    const std::string root = "C:\\trivane_walk";
    for (const char* link : {"\\outside", "\\inner\\up"}) {
        const DWORD attributes = GetFileAttributesA((root + link).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            GTEST_SKIP() << root << link << " is not a link here: the test command (tools/test.sh) makes it";
    }
    testing_support::write_file("C:\\trivane_linked\\walk\\LeagueClient\\system.yaml", "x");
    ASSERT_NE(GetFileAttributesA((root + "\\outside\\walk\\LeagueClient\\system.yaml").c_str()),
              INVALID_FILE_ATTRIBUTES);

    g_listed.clear();
    std::string found;
    {
        const tuner_tests::StandIn listing(tuner::kFindFirstFileExW, reinterpret_cast<void*>(counted_listing));
        found = find(root);
    }
    testing_support::remove_tree("C:\\trivane_linked\\walk");
    EXPECT_EQ(found, "");
    std::sort(g_listed.begin(), g_listed.end());
    EXPECT_EQ(g_listed, (std::vector<std::string>{root + "\\*", root + "\\inner\\*"}));
}

// The install directory is one of the tool's GBK texts: a client below a folder named
// in a script GBK lacks is never taken (under a '?' name or any other), and the walk
// does not even list that folder.
TEST(InstallSearch, AFolderWithoutAGbkNameIsNeitherEnteredNorTaken) {
    tuner_tests::start_tool_runtime();
    for (const wchar_t* name : {L"한국어", L"\xD83C\xDFAE"}) {  // Korean, an emoji
        TempDir dir;
        const std::wstring root = tuner_tests::wide(dir.path());
        ASSERT_TRUE(tuner_tests::write_wide_file(root, std::wstring(name) + L"\\LeagueClient\\system.yaml"));
        dir.write("英雄联盟\\Game\\game.cfg", "x");  // a folder of GBK name beside it, walked as usual

        g_listed.clear();
        std::string found;
        {
            const tuner_tests::StandIn listing(tuner::kFindFirstFileExW, reinterpret_cast<void*>(counted_listing));
            found = find(dir);
        }
        EXPECT_EQ(found, "");
        std::sort(g_listed.begin(), g_listed.end());
        EXPECT_EQ(g_listed, (std::vector<std::string>{dir / "*", dir / "英雄联盟\\*", dir / "英雄联盟\\Game\\*"}));

        // Beside it, a client in a folder of GBK name is found.
        dir.write("英雄联盟\\LeagueClient\\system.yaml", "x");
        EXPECT_EQ(find(dir), dir / "英雄联盟\\LeagueClient\\system.yaml");
        tuner_tests::remove_wide_tree(root + L"\\" + name);
    }
}

TEST(InstallSearch, TheInstallDirectoryIsNeverEmpty) {
    tuner_tests::start_tool_runtime();
    char* root = tuner::install_directory_of("D:\\LeagueClient\\system.yaml");
    EXPECT_STREQ(root, "D:");
    rt::release(root);
}

}  // namespace
