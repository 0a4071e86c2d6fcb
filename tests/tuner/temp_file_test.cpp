// Our temporary files: what a later write in the same folder clears of what earlier
// runs left behind, and what it leaves alone.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/folder_names.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/temp_file.h"

namespace {

using testing_support::read_whole_file;
using testing_support::TempDir;
using tuner_tests::names_in;

std::string ours(DWORD process_id, const char* rest) {
    char name[64];
    std::snprintf(name, sizeof name, "~trivane-%08lx-%s", static_cast<unsigned long>(process_id), rest);
    return name;
}

TRIVANE_CHILD_SCENARIO(writing_elsewhere) { Sleep(20000); }

TEST(Leftovers, OnlyOurFilesOfProgramsThatEndedAreClearedAndAnOldFileMovedAsideGoesBack) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const DWORD ended = 0x0FFFFFF0;  // no process has this id
    std::string report;
    PROCESS_INFORMATION running = testing_support::start_child("writing_elsewhere", &report);
    const std::vector<std::string> cleared = {ours(ended, "0001.tmp"), ours(GetCurrentProcessId(), "0002.tmp"),
                                              ours(ended, "0005~game.cfg")};
    const std::vector<std::string> kept = {
        ours(running.dwProcessId, "0003.tmp"),  // that copy of the program is still writing it
        ours(running.dwProcessId, "0004~client.yaml"),
        ours(ended, "00g1.tmp"), ours(ended, "0008.tmp.txt"), ours(ended, "0009~"), "~trivane-zz.tmp", "trv12AB.tmp",
        "notes.txt", "game.cfg"};
    for (const std::string& name : cleared) dir.write(name, "left");
    for (const std::string& name : kept) dir.write(name, "kept");
    dir.write(ours(ended, "0006~system.yaml"), "the old file");
    CreateDirectoryA((dir / ours(ended, "0007.tmp")).c_str(), nullptr);

    tuner::clear_leftovers((dir.path() + "\\").c_str());

    std::vector<std::string> expected = kept;
    expected.push_back(ours(ended, "0007.tmp"));
    expected.push_back("system.yaml");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names_in(dir.path()), expected);
    EXPECT_EQ(read_whole_file(dir / "system.yaml"), "the old file");
    EXPECT_EQ(read_whole_file(dir / "game.cfg"), "kept");

    TerminateProcess(running.hProcess, 0);
    WaitForSingleObject(running.hProcess, 5000);
    CloseHandle(running.hProcess);
    CloseHandle(running.hThread);
}

TEST(Leftovers, TemporaryNamesAreOursAndUnique) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string folder = dir.path() + "\\";
    char first[MAX_PATH] = {}, second[MAX_PATH] = {};
    rt::u32 error = 0;
    HANDLE a = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(tuner::create_temp_file(folder.c_str(), first, error)));
    HANDLE b = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(tuner::create_temp_file(folder.c_str(), second, error)));
    ASSERT_NE(a, INVALID_HANDLE_VALUE);
    ASSERT_NE(b, INVALID_HANDLE_VALUE);
    CloseHandle(a);
    CloseHandle(b);
    EXPECT_NE(std::string(first), std::string(second));
    EXPECT_EQ(std::string(first).rfind(folder + ours(GetCurrentProcessId(), ""), 0), 0u) << first;
    // A folder that does not exist gives no file and names none.
    EXPECT_EQ(tuner::create_temp_file((folder + "none\\").c_str(), first, error), 0xFFFFFFFFu);
    EXPECT_EQ(first[0], '\0');
    EXPECT_EQ(error, static_cast<rt::u32>(ERROR_PATH_NOT_FOUND));
    // An old file moved aside keeps its name after ours, so that it can be put back.
    char aside[MAX_PATH] = {};
    ASSERT_TRUE(tuner::reserve_aside_name((folder + "淺.yaml").c_str(), aside, error));
    const std::string aside_name = std::string(aside).substr(folder.size());
    EXPECT_EQ(aside_name.rfind(ours(GetCurrentProcessId(), ""), 0), 0u) << aside_name;
    const std::string tail = "~淺.yaml";
    EXPECT_EQ(aside_name.substr(aside_name.size() - tail.size()), tail);
    EXPECT_EQ(read_whole_file(aside), "");  // reserved, empty
    EXPECT_STREQ(tuner::folder_of("C:\\client\\淺.yaml").get(), "C:\\client\\");
    EXPECT_STREQ(tuner::folder_of("bare.yaml").get(), ".\\");
}

}  // namespace
