// Replacing a file whole through a temporary sibling, on real folders, and the home
// page actions that use it; platform failures are injected by putting a stand-in in
// a DLL command's slot.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "forms/window_system_install.h"
#include "runtime/application.h"
#include "logic/calls.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/dll_commands.h"
#include "tuner/file_replace.h"
#include "tuner/home_page.h"
#include "tuner/main_window.h"
#include "tuner/tool_state.h"

namespace {

using testing_support::child_report;
using testing_support::read_whole_file;
using testing_support::TempDir;
using tuner_tests::StandIn;

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (std::string(entry.cFileName) != "." && std::string(entry.cFileName) != "..") names.push_back(entry.cFileName);
    } while (FindNextFileA(h, &entry));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

// Writes half of what it is given, then reports a full disk.
BOOL WINAPI write_half_then_fail(HANDLE file, const void* data, DWORD length, DWORD* written, OVERLAPPED*) {
    WriteFile(file, data, length / 2, written, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// Fails as the platform may after moving the target to the backup name.
BOOL WINAPI replace_leaving_target_aside(const char* target, const char*, const char* aside, DWORD, void*, void*) {
    MoveFileExA(target, aside, MOVEFILE_REPLACE_EXISTING);
    SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    return FALSE;
}

TEST(FileReplace, TheNewContentTakesThePlaceOfTheOldAndNothingIsLeftBeside) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    // The second byte of 淺 is a backslash: the name's folder is still found.
    const std::string folder = dir / "client";
    const std::string target = dir.write("client\\淺.yaml", std::string(9000, 'o'));
    EXPECT_TRUE(tuner::replace_file_contents(target.c_str(), "new", 3));
    EXPECT_EQ(read_whole_file(target), "new");

    const std::string fresh = folder + "\\fresh.yaml";
    EXPECT_TRUE(tuner::replace_file_contents(fresh.c_str(), "", 0));
    EXPECT_EQ(read_whole_file(fresh), "");

    std::string bytes(10000, '\0');  // more than one read's worth, every byte value
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    const std::string source = dir.write("source.bin", bytes);
    EXPECT_TRUE(tuner::replace_file_with_copy(source.c_str(), target.c_str()));
    EXPECT_TRUE(read_whole_file(target) == bytes);
    EXPECT_TRUE(read_whole_file(source) == bytes);

    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"fresh.yaml", "淺.yaml"}));
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"client", "source.bin"}));
}

TEST(FileReplace, ARefusedOrFailedReplaceLeavesTheTargetWholeAndNoTemporaryFile) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string target = dir.write("system.yaml", "old content");
    const std::string source = dir.write("backup.yaml", "backup");
    const auto unchanged = [&](const char* what) {
        EXPECT_EQ(read_whole_file(target), "old content") << what;
        EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"backup.yaml", "system.yaml"})) << what;
    };
    {
        StandIn full_disk(tuner::kWriteFile, reinterpret_cast<void*>(write_half_then_fail));
        EXPECT_FALSE(tuner::replace_file_contents(target.c_str(), "new content", 11));
        unchanged("write fails");
        EXPECT_FALSE(tuner::replace_file_with_copy(source.c_str(), target.c_str()));
        unchanged("write of the copy fails");
    }
    {
        StandIn swap(tuner::kReplaceFileA, reinterpret_cast<void*>(replace_leaving_target_aside));
        EXPECT_FALSE(tuner::replace_file_contents(target.c_str(), "new content", 11));
        unchanged("swap fails");
    }
    EXPECT_FALSE(tuner::replace_file_with_copy((dir / "missing.yaml").c_str(), target.c_str()));
    unchanged("no source");
    EXPECT_FALSE(tuner::replace_file_contents((dir / "no\\such.yaml").c_str(), "x", 1));
    unchanged("no folder");

    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(tuner::replace_file_contents(target.c_str(), "new content", 11));
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    unchanged("read-only");
    EXPECT_FALSE(tuner::replace_file_contents(dir.path().c_str(), "x", 1));
    unchanged("a folder");
}

TEST(FileReplace, OnlyARegularFileIsABackup) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    EXPECT_TRUE(tuner::is_regular_file(dir.write("a.bak", "x").c_str()));
    CreateDirectoryA((dir / "b.bak").c_str(), nullptr);
    EXPECT_FALSE(tuner::is_regular_file((dir / "b.bak").c_str()));
    EXPECT_FALSE(tuner::is_regular_file((dir / "c.bak").c_str()));
}

// In a child: the tool's window over the client folder named by the parent, one
// home page action with every file write failing, and what the action showed.
void run_with_failing_write(void (*action)()) {
    forms::install_window_system();
    tuner_tests::start_tool_runtime();
    tuner::create_tool_state();
    logic::load_start_window(tuner::kMainWindowId);
    char client[MAX_PATH] = {};
    GetEnvironmentVariableA("TRIVANE_TEST_CLIENT", client, MAX_PATH);
    tuner::state().install_directory = logic::Text::copy(client);
    StandIn full_disk(tuner::kWriteFile, reinterpret_cast<void*>(write_half_then_fail));
    testing_support::BoxAnswerer answerer(IDOK);
    action();
    for (const auto& box : answerer.answered()) child_report(box.title + ": " + box.text + "\n");
    child_report("result: " + std::string(tuner::caption_of(tuner::kResultLabel).c_str()) + "\n");
}

TRIVANE_CHILD_SCENARIO(replace_with_failing_write) { run_with_failing_write(tuner::on_home_page_replace); }
TRIVANE_CHILD_SCENARIO(restore_with_failing_write) { run_with_failing_write(tuner::on_home_page_restore); }

TEST(HomePage, AFailedWriteKeepsTheClientFileAndSaysSo) {
    TempDir client;
    const std::string config = client.write("LeagueClient\\system.yaml", "the user's own");
    const std::vector<std::string> both = {"system.yaml", "system.yaml.bak"};
    SetEnvironmentVariableA("TRIVANE_TEST_CLIENT", client.path().c_str());

    auto r = testing_support::run_child("replace_with_failing_write");
    EXPECT_EQ(r.report, "警告: 主页替换失败\nresult: \n");
    EXPECT_EQ(read_whole_file(config), "the user's own");
    EXPECT_EQ(read_whole_file(client / "LeagueClient\\system.yaml.bak"), "the user's own");
    EXPECT_EQ(names_in(client / "LeagueClient"), both);

    client.write("LeagueClient\\system.yaml.bak", "the backup");
    r = testing_support::run_child("restore_with_failing_write");
    EXPECT_EQ(r.report, "警告: 主页恢复失败\nresult: \n");
    EXPECT_EQ(read_whole_file(config), "the user's own");
    EXPECT_EQ(names_in(client / "LeagueClient"), both);
    SetEnvironmentVariableA("TRIVANE_TEST_CLIENT", nullptr);
}

}  // namespace
