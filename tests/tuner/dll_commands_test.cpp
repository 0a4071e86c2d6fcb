// The tool's DLL command table: every declared entry exists in its library, and the
// typed calls hand the native function exactly the declared words and read its result
// as the declared type; a call declared with the wrong words is caught at its site.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/error_box.h"
#include "tests/support/child_process.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/dll_commands.h"
#include "tuner/program_info.h"

namespace {

using tuner_tests::StandIn;

TEST(DllCommandTable, EveryCommandIsExportedByTheLibraryItNames) {
    const rt::ProgramInfo& info = tuner::program_info();
    ASSERT_EQ(info.dll_count, static_cast<rt::u32>(tuner::kDllCommandCount));
    for (rt::u32 i = 0; i < info.dll_count; ++i) {
        HMODULE library = LoadLibraryA(info.dll_libraries[i]);
        ASSERT_NE(library, nullptr) << i << " " << info.dll_libraries[i];
        EXPECT_NE(GetProcAddress(library, info.dll_entries[i]), nullptr)
            << i << " " << info.dll_libraries[i] << " " << info.dll_entries[i];
        FreeLibrary(library);
    }
}

// What the stand-ins below were handed.
struct Seen {
    DWORD words[4] = {};
    std::string text;
    std::wstring wide_text;
} g_seen;

HWND WINAPI find_window(HWND parent, HWND after, const wchar_t* class_name, const wchar_t* title) {
    g_seen = {};
    g_seen.words[0] = reinterpret_cast<DWORD>(parent);
    g_seen.words[1] = reinterpret_cast<DWORD>(after);
    g_seen.words[2] = reinterpret_cast<DWORD>(class_name);
    g_seen.wide_text = title;
    return reinterpret_cast<HWND>(0x1234);
}

// Answers with 2 (true, but not 1) for thread 1 and false for any other.
BOOL WINAPI exit_code_of(HANDLE thread, DWORD* code) {
    *code = 42;
    return thread == reinterpret_cast<HANDLE>(1) ? 2 : FALSE;
}

BOOL WINAPI copy_file(const wchar_t* from, const wchar_t* to, BOOL keep_existing) {
    g_seen = {};
    g_seen.wide_text = std::wstring(from) + L">" + to;
    g_seen.words[0] = static_cast<DWORD>(keep_existing);
    return TRUE;
}

char g_block[16];
HLOCAL WINAPI local_alloc(UINT flags, SIZE_T bytes) {
    g_seen = {};
    g_seen.words[0] = flags;
    g_seen.words[1] = bytes;
    return g_block;
}

TEST(DllCommandTable, TypedCallsPassTheirWordsInOrderAndReadTheDeclaredResult) {
    tuner_tests::start_tool_runtime();
    const logic::Site site = {0x04019002, 1};
    {
        StandIn stand_in(tuner::kFindWindowExW, reinterpret_cast<void*>(find_window));
        EXPECT_EQ(tuner::dll::FindWindowExW(7, 9, nullptr, L"\u6807\u9898", site), 0x1234u);
        EXPECT_EQ(g_seen.words[0], 7u);
        EXPECT_EQ(g_seen.words[1], 9u);
        EXPECT_EQ(g_seen.words[2], 0u);
        EXPECT_EQ(g_seen.wide_text, L"\u6807\u9898");
    }
    {
        StandIn stand_in(tuner::kGetExitCodeThread, reinterpret_cast<void*>(exit_code_of));
        rt::u32 code = 0;
        EXPECT_TRUE(tuner::dll::GetExitCodeThread(1, &code, site));
        EXPECT_EQ(code, 42u);
        code = 0;
        EXPECT_FALSE(tuner::dll::GetExitCodeThread(2, &code, site));
        EXPECT_EQ(code, 42u);
    }
    {
        StandIn stand_in(tuner::kCopyFileW, reinterpret_cast<void*>(copy_file));
        EXPECT_TRUE(tuner::dll::CopyFileW(L"a", L"\u82F1", true, site));
        EXPECT_EQ(g_seen.wide_text, L"a>\u82F1");
        EXPECT_EQ(g_seen.words[0], 1u);
        EXPECT_TRUE(tuner::dll::CopyFileW(L"c", L"d", false, site));
        EXPECT_EQ(g_seen.words[0], 0u);
    }
    {
        StandIn stand_in(tuner::kLocalAlloc, reinterpret_cast<void*>(local_alloc));
        EXPECT_EQ(tuner::dll::LocalAlloc(0x40, 32, site), static_cast<void*>(g_block));
        EXPECT_EQ(g_seen.words[0], 0x40u);
        EXPECT_EQ(g_seen.words[1], 32u);
    }
    // The one caller-cleanup command, bound for real, passes the stack check.
    EXPECT_EQ(tuner::dll::strlen("长度", site), 4u);
}

// strlen declared standard leaves the arguments on the stack: error 6 at the call's site.
TRIVANE_CHILD_SCENARIO(strlen_declared_standard_in_the_tool) {
    tuner_tests::start_tool_runtime();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    testing_support::child_report(std::to_string(tuner::dll::strlen("abc", {0x04019002, 1})) + "\n");
    constexpr logic::DllFunction<tuner::kStrlen, logic::Convention::Standard, rt::u32(const char*)> strlen_standard{};
    strlen_standard("abc", {0x04019002, 7});
    testing_support::child_report("went on");
}

TEST(DllCommandTable, ACallDeclaredWithTheWrongConventionIsError6AtItsSite) {
    const auto r = testing_support::run_child("strlen_declared_standard_in_the_tool");
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(r.report, "3\ncode=6\n调用DLL命令后发现堆栈错误\r\n67211266, 7\r\n");
}

}  // namespace
