// Libraries of the system come from the system directory, either way the runtime
// loads them, whatever lies beside the program under the same name.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/platform_text.h"
#include "runtime/system_library.h"

namespace {

std::wstring file_of(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

std::wstring beside_program(const wchar_t* name) {
    const std::wstring path = file_of(nullptr);
    return path.substr(0, path.rfind(L'\\') + 1) + name;
}

TEST(SystemLibrary, EitherWayOfLoadingTakesTheSystemsOwnFile) {
    // A library of ours, planted under a system name (the test overrides make Wine
    // take such a file first, as Windows does).
    const std::wstring planted = beside_program(L"mpr.dll");
    ASSERT_TRUE(CopyFileW(beside_program(L"trivane_test_dll.dll").c_str(), planted.c_str(), FALSE));
    const std::wstring system_copy = rt::to_platform(rt::system_directory()) + L"\\mpr.dll";
    for (rt::SystemLoad how : {rt::SystemLoad::SearchFlag, rt::SystemLoad::FullPath}) {
        HMODULE library = rt::load_system_library("mpr.dll", how);
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(_wcsicmp(file_of(library).c_str(), system_copy.c_str()), 0) << rt::from_platform(file_of(library).c_str());
        EXPECT_EQ(GetProcAddress(library, "five"), nullptr);
        EXPECT_NE(GetProcAddress(library, "WNetGetConnectionA"), nullptr);
        FreeLibrary(library);
    }
    DeleteFileW(planted.c_str());
    // A library that lies only beside the program is not one of the system's.
    EXPECT_EQ(rt::load_system_library("trivane_test_dll.dll"), nullptr);
}

TEST(SystemLibrary, AFunctionOfAMissingLibraryOrEntryIsNone) {
    EXPECT_EQ(rt::system_function_address("no_such_library.dll", "PlaySoundA"), nullptr);
    EXPECT_EQ(rt::system_function_address("winmm.dll", "NoSuchEntry"), nullptr);
    EXPECT_NE(rt::system_function_address("winmm.dll", "PlaySoundA"), nullptr);
}

}  // namespace
