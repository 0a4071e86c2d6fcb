// Libraries of the system come from the system directory, either way the runtime
// loads them, whatever lies beside the program under the same name.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/system_library.h"

namespace {

std::string beside_program(const char* name) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string path = exe;
    return path.substr(0, path.rfind('\\') + 1) + name;
}

std::string file_of(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

TEST(SystemLibrary, EitherWayOfLoadingTakesTheSystemsOwnFile) {
    // A library of ours, planted under a system name (the test overrides make Wine
    // take such a file first, as Windows does).
    const std::string planted = beside_program("mpr.dll");
    ASSERT_TRUE(CopyFileA(beside_program("trivane_test_dll.dll").c_str(), planted.c_str(), FALSE));
    const std::string system_copy = rt::system_directory() + "\\mpr.dll";
    for (rt::SystemLoad how : {rt::SystemLoad::SearchFlag, rt::SystemLoad::FullPath}) {
        HMODULE library = rt::load_system_library("mpr.dll", how);
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(_stricmp(file_of(library).c_str(), system_copy.c_str()), 0) << file_of(library);
        EXPECT_EQ(GetProcAddress(library, "five"), nullptr);
        EXPECT_NE(GetProcAddress(library, "WNetGetConnectionA"), nullptr);
        FreeLibrary(library);
    }
    DeleteFileA(planted.c_str());
    // A library that lies only beside the program is not one of the system's.
    EXPECT_EQ(rt::load_system_library("trivane_test_dll.dll"), nullptr);
}

TEST(SystemLibrary, AFunctionOfAMissingLibraryOrEntryIsNone) {
    EXPECT_EQ(rt::system_function_address("no_such_library.dll", "PlaySoundA"), nullptr);
    EXPECT_EQ(rt::system_function_address("winmm.dll", "NoSuchEntry"), nullptr);
    EXPECT_NE(rt::system_function_address("winmm.dll", "PlaySoundA"), nullptr);
}

}  // namespace
