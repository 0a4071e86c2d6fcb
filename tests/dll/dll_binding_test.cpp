// DLL commands: binding on first call, the library search rules, ordinals, the two
// binding errors, the stack check of the declared convention, release at the end.
#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/end_sequence.h"
#include "runtime/error_box.h"
#include "runtime/initialise.h"
#include "logic/calls.h"
#include "logic/constants.h"
#include "runtime/platform_text.h"
#include "runtime/process_entry.h"
#include "tests/support/child_process.h"
#include "tests/support/code_page_child.h"

namespace {

using logic::Convention;
using testing_support::child_report;
using testing_support::run_child;

std::string test_dll_windows_path() {
    std::string path = "Z:";
    for (const char* c = TRIVANE_TEST_DLL_UNIX_PATH; *c; ++c) path += *c == '/' ? '\\' : *c;
    return path;
}

// This program's folder, with its trailing backslash, as the platform names it.
std::wstring program_folder() {
    wchar_t path[MAX_PATH];
    const std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return file.substr(0, file.rfind(L'\\') + 1);
}

// A copy of the test library in a folder with Chinese characters (乗's second byte is
// a backslash), declared by its full GBK path.
const wchar_t kChineseFolder[] = L"库乗";
const wchar_t kChineseLibrary[] = L"库乗\\测试乗.dll";
std::string chinese_library_path() { return rt::from_platform(program_folder().c_str()) + "库乗\\测试乗.dll"; }

enum Command : rt::i32 {
    kGetTickCount,
    kStrlen,
    kLstrlenA,
    kAddTwoByPath,
    kOrdinalFiveByPath,
    kOrdinalFiveHighBits,
    kFiveBesideProgram,
    kCurrentThreadFromSystemList,
    kMissingEntry,
    kMissingLibrary,
    kMissingFromSystemList,
    kPlantedSystemName,
    kPlantedInSystemList,
    kScribble,                       // scribble1 to scribble8: standard convention
    kScribbleCdecl = kScribble + 8,  // scribble_cdecl1 to 8: the caller cleans up
    kSumEight = kScribbleCdecl + 8,
    kDesktopFromSystemList,  // found in the third library of the list
    kTimeFromNamedLibrary,
    kAddTwoFromChineseFolder,
    kCount,
};

// Library file and entry of each command, in command order.
struct Declaration {
    std::string library, entry;
};

std::vector<Declaration> declarations() {
    const std::string dll = test_dll_windows_path();
    std::vector<Declaration> d = {
        {"kernel32.dll", "GetTickCount"}, {"msvcrt.dll", "strlen"},     {"KERNEL32.DLL", "lstrlenA"},
        {dll, "add_two"},                 {dll, "#5"},                  {dll, "#65541"},
        {"trivane_test_dll.dll", "five"}, {"", "GetCurrentThreadId"},   {"kernel32.dll", "NoSuchEntry"},
        {"no_such_library.dll", "Anything"}, {"", "Nope"},              {"version.dll", "five"},
        {"", "five"},
    };
    for (const char* prefix : {"scribble", "scribble_cdecl"})
        for (int n = 1; n <= 8; ++n) d.push_back({dll, prefix + std::to_string(n)});
    d.push_back({dll, "sum_eight"});
    d.push_back({"", "GetDesktopWindow"});
    d.push_back({"winmm.dll", "timeGetTime"});
    d.push_back({chinese_library_path(), "add_two"});
    return d;
}

const rt::ProgramInfo& program() {
    static const std::vector<Declaration> declared = declarations();
    static std::vector<const char*> libraries, entries;
    for (size_t i = libraries.size(); i < declared.size(); ++i) {
        libraries.push_back(declared[i].library.c_str());
        entries.push_back(declared[i].entry.c_str());
    }
    static const rt::ProgramInfo info = {3, 0, 0, nullptr, 0, logic::constant_block_start(),
                                         logic::constant_block_length(), nullptr, 0, 0, nullptr,
                                         static_cast<rt::u32>(declared.size()), libraries.data(), entries.data()};
    return info;
}

void start() {
    static bool started = false;
    if (started) return;
    started = true;
    rt::set_program_info(&program());
    logic::initialise_runtime();
}

constexpr logic::Site kSite = {0x04010007, 1};

TEST(DllCommands, CallsFollowTheirDeclaredConvention) {
    start();
    EXPECT_NE(logic::call_dll(kGetTickCount, Convention::Standard, {}, kSite), 0u);
    const char* text = "abcde";
    EXPECT_EQ(logic::call_dll(kLstrlenA, Convention::Standard, {logic::word(text)}, kSite), 5u);
    EXPECT_EQ(logic::call_dll(kStrlen, Convention::CallerCleanup, {logic::word(text)}, kSite), 5u);
    EXPECT_EQ(logic::call_dll(kAddTwoByPath, Convention::Standard, {40, 2}, kSite), 42u);
    EXPECT_EQ(static_cast<DWORD>(logic::call_dll(kCurrentThreadFromSystemList, Convention::Standard, {}, kSite)),
              GetCurrentThreadId());
}

TEST(DllCommands, AnOrdinalEntryUsesTheLow16BitsOfItsNumber) {
    start();
    EXPECT_EQ(logic::call_dll(kOrdinalFiveByPath, Convention::Standard, {}, kSite), 5555u);
    EXPECT_EQ(logic::call_dll(kOrdinalFiveHighBits, Convention::Standard, {}, kSite), 5555u);
}

TEST(DllCommands, TheSecondCallUsesTheCacheAndLoadsNothing) {
    start();
    rt::Application& a = rt::app();
    logic::call_dll(kAddTwoByPath, Convention::Standard, {1, 1}, kSite);
    void* address = a.dll.addresses[kAddTwoByPath];
    HMODULE library = a.dll.libraries[kAddTwoByPath];
    ASSERT_NE(address, nullptr);
    ASSERT_NE(library, nullptr);
    // Point the cache elsewhere: a second call that looked the entry up again would
    // still reach add_two.
    a.dll.addresses[kAddTwoByPath] = reinterpret_cast<void*>(GetProcAddress(library, "five"));
    EXPECT_EQ(logic::call_dll(kAddTwoByPath, Convention::Standard, {}, kSite), 5u);
    a.dll.addresses[kAddTwoByPath] = address;
}

// A code read right after a call is the call's own: binding on first use (loading
// the library, entries not found in the libraries tried first) leaves it alone.
TEST(DllCommands, BindingKeepsTheThreadsLastError) {
    start();
    for (rt::i32 command : {kDesktopFromSystemList, kTimeFromNamedLibrary}) {
        ASSERT_EQ(rt::app().dll.addresses[command], nullptr) << command << " was bound before";
        SetLastError(4711);
        logic::call_dll(command, Convention::Standard, {}, kSite);
        EXPECT_EQ(GetLastError(), 4711u) << command;
        EXPECT_NE(rt::app().dll.addresses[command], nullptr) << command;
    }
}

// Paths that end the program.

void expect_error(const char* scenario, const std::string& text) {
    const auto r = run_child(scenario);
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu) << scenario;
    EXPECT_EQ(r.report, text) << scenario;
}

#define DLL_ERROR_SCENARIO(name, body)                                    \
    TRIVANE_CHILD_SCENARIO(name) {                                        \
        start();                                                          \
        rt::set_error_hook(testing_support::report_error_and_suppress_box); \
        body;                                                             \
        child_report("returned");                                         \
    }

DLL_ERROR_SCENARIO(strlen_declared_standard,
                   logic::call_dll(kStrlen, Convention::Standard, {logic::word("x")}, {0x04010007, 21}))
DLL_ERROR_SCENARIO(extra_argument, logic::call_dll(kGetTickCount, Convention::Standard, {1}, {0x04010007, 22}))
DLL_ERROR_SCENARIO(missing_argument, logic::call_dll(kAddTwoByPath, Convention::Standard, {1}, {0x04010007, 23}))
DLL_ERROR_SCENARIO(missing_entry, logic::call_dll(kMissingEntry, Convention::Standard, {}, kSite))
DLL_ERROR_SCENARIO(missing_library, logic::call_dll(kMissingLibrary, Convention::Standard, {}, kSite))
DLL_ERROR_SCENARIO(missing_from_system_list, logic::call_dll(kMissingFromSystemList, Convention::Standard, {}, kSite))
DLL_ERROR_SCENARIO(planted_system_name, logic::call_dll(kPlantedSystemName, Convention::Standard, {}, kSite))
DLL_ERROR_SCENARIO(index_past_table, logic::call_dll(kCount, Convention::Standard, {}, kSite))
DLL_ERROR_SCENARIO(negative_index, logic::call_dll(-3, Convention::Standard, {}, kSite))
DLL_ERROR_SCENARIO(planted_in_system_list, logic::call_dll(kPlantedInSystemList, Convention::Standard, {}, kSite))
DLL_ERROR_SCENARIO(only_beside_program, logic::call_dll(kFiveBesideProgram, Convention::Standard, {}, kSite))

TEST(DllCommands, AWrongDeclarationIsError6AtItsCallSite) {
    const std::string head = "code=6\n调用DLL命令后发现堆栈错误\r\n67174407, ";
    expect_error("strlen_declared_standard", head + "21\r\n");
    expect_error("extra_argument", head + "22\r\n");
    expect_error("missing_argument", head + "23\r\n");
}

// Functions declared with fewer words than they take write their missing parameters
// into the caller's stack. With the standard convention the stack depth shows the
// mismatch: error 6, not a wrecked frame. The argument: first command, word count.
TRIVANE_CHILD_SCENARIO(scribble_standard) {
    start();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    rt::i32 command = 0, count = 0;
    std::istringstream(testing_support::child_argument()) >> command >> count;
    const std::vector<rt::u32> words(static_cast<size_t>(count), 7);
    rt::i32 delta = 0;
    const rt::u64 result = logic::entries().call_dll(command, words.data(), count, &delta);
    if (delta != 0) logic::raise(rt::kErrDllStack, {0x04010007, command});
    child_report("returned " + std::to_string(result));
}

TEST(DllCommands, StandardCallsGivenTooFewOrTooManyWordsAreError6) {
    const auto expect_error_6 = [](rt::i32 command, int words) {
        const auto r = testing_support::run_child_with("scribble_standard",
                                                       std::to_string(command) + " " + std::to_string(words));
        EXPECT_EQ(r.exit_code, 0xFFFFFFFFu) << command << " with " << words;
        EXPECT_EQ(r.report, "code=6\n调用DLL命令后发现堆栈错误\r\n67174407, " + std::to_string(command) + "\r\n")
            << command << " with " << words;
    };
    for (int missing = 1; missing <= 8; ++missing) expect_error_6(kScribble + missing - 1, 0);
    expect_error_6(kScribble + 7, 3);  // five missing of eight
    expect_error_6(kScribble + 1, 3);  // one word too many
    expect_error_6(kScribble, 9);
}

// With the caller-cleanup convention the depth cannot show a mismatch: the call just
// has to survive, and missing parameters read as zero.
TRIVANE_CHILD_SCENARIO(scribble_caller_cleanup) {
    start();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    const auto call = [](rt::i32 command, std::initializer_list<rt::u32> words) {
        return std::to_string(logic::call_dll(command, Convention::CallerCleanup, words, kSite));
    };
    for (int n = 1; n <= 8; ++n) child_report(call(kScribbleCdecl + n - 1, {}));
    child_report(" " + call(kScribbleCdecl + 1, {7, 7, 7, 7, 7, 7}));  // four words too many
    // Right after the scribblers wrote -1 there, the missing ones are zero again.
    child_report(" " + call(kSumEight, {}));
    child_report(" " + call(kSumEight, {40, 2}));
}

TEST(DllCommands, CallerCleanupCallsGivenTooFewOrTooManyWordsRunWithoutError) {
    const auto r = run_child("scribble_caller_cleanup");
    EXPECT_EQ(r.exit_code, 0u);
    EXPECT_EQ(r.report, "12345678 2 0 42");
}

TEST(DllCommands, AMissingLibraryOrEntryEndsTheProgramNamingBoth) {
    expect_error("missing_entry", "code=0\n无法找到指定DLL库文件“kernel32.dll”中的输出命令“NoSuchEntry”\r\n0, 0\r\n");
    expect_error("missing_library",
                 "code=0\n无法找到指定DLL库文件“no_such_library.dll”中的输出命令“Anything”\r\n0, 0\r\n");
    expect_error("missing_from_system_list", "code=0\n无法找到指定DLL库文件中的输出命令“Nope”\r\n0, 0\r\n");
    // An index outside the table has no names: the message gives the index.
    expect_error("index_past_table", "code=0\n无法找到索引为" + std::to_string(kCount) + "的DLL命令\r\n0, 0\r\n");
    expect_error("negative_index", "code=0\n无法找到索引为-3的DLL命令\r\n0, 0\r\n");
}

std::wstring beside_program(const wchar_t* name) { return program_folder() + name; }

bool copy_test_dll(const std::wstring& to) {
    return CopyFileW(rt::to_platform(test_dll_windows_path()).c_str(), to.c_str(), FALSE);
}

// The program runs elevated: a file named like a system library beside it must not
// be loaded in place of the system's own, whether the command names the library or
// the fixed system list is searched (Mpr.dll is on it). The test's library overrides
// make Wine take such a file first, as Windows does.
TEST(DllCommands, ALibraryOfTheSystemIsNeverTakenFromBesideTheProgram) {
    const std::wstring version = beside_program(L"version.dll"), mpr = beside_program(L"mpr.dll");
    ASSERT_TRUE(copy_test_dll(version));
    ASSERT_TRUE(copy_test_dll(mpr));
    expect_error("planted_system_name", "code=0\n无法找到指定DLL库文件“version.dll”中的输出命令“five”\r\n0, 0\r\n");
    expect_error("planted_in_system_list", "code=0\n无法找到指定DLL库文件中的输出命令“five”\r\n0, 0\r\n");
    DeleteFileW(version.c_str());
    DeleteFileW(mpr.c_str());
}

// Nor is any other library: a declared name that is not in the system directory is
// missing, though a file of that name lies beside the program.
TEST(DllCommands, ALibraryOnlyBesideTheProgramIsMissing) {
    ASSERT_NE(GetFileAttributesW(beside_program(L"trivane_test_dll.dll").c_str()), INVALID_FILE_ATTRIBUTES);
    expect_error("only_beside_program",
                 "code=0\n无法找到指定DLL库文件“trivane_test_dll.dll”中的输出命令“five”\r\n0, 0\r\n");
}

void* const kNoCallbacks[3] = {nullptr, nullptr, nullptr};

rt::i32 load_by_bare_name_and_by_path() {
    logic::initialise_runtime();
    child_report(LoadLibraryW(L"trivane_test_dll.dll") ? "bare name loaded\n" : "bare name refused\n");
    const rt::u32 sum = logic::call_dll(kAddTwoByPath, Convention::Standard, {1, 2}, kSite);
    child_report("by full path: " + std::to_string(sum) + "\n");
    return 0;
}

TRIVANE_CHILD_SCENARIO(loads_after_start_up) {
    rt::run_program(program(), load_by_bare_name_and_by_path, kNoCallbacks);
}

// From start-up on, a library loaded by bare name, by us or by the platform for us,
// comes from the system directory only; a DLL command still loads a library declared
// by its full path.
TEST(DllCommands, AfterStartUpABareNameIsLookedForInTheSystemDirectoryOnly) {
    const auto r = run_child("loads_after_start_up");
    EXPECT_EQ(r.exit_code, 0u);
    EXPECT_EQ(r.report, "bare name refused\nby full path: 3\n");
}

TRIVANE_CHILD_SCENARIO(library_in_chinese_folder) {
    start();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    const rt::u32 sum = logic::call_dll(kAddTwoFromChineseFolder, Convention::Standard, {40, 2}, kSite);
    testing_support::report_with_code_page("sum " + std::to_string(sum) + "\n");
}

// The library's path reaches the platform as UTF-16, so the code page the program runs
// in does not change which file it names.
TEST(DllCommands, ALibraryDeclaredByAChinesePathLoadsInEitherCodePage) {
    const std::wstring folder = program_folder() + kChineseFolder, library = program_folder() + kChineseLibrary;
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(copy_test_dll(library));
    using testing_support::run_child_in_locale;
    EXPECT_EQ(run_child_in_locale("library_in_chinese_folder", testing_support::kChineseLocale),
              "code page 936\nsum 42\n");
    EXPECT_EQ(run_child_in_locale("library_in_chinese_folder", testing_support::kWesternLocale),
              "code page 1252\nsum 42\n");
    DeleteFileW(library.c_str());
    RemoveDirectoryW(folder.c_str());
}

rt::i32 report_program_folder() {
    testing_support::report_with_code_page(rt::app().program_directory_slash + "\n");
    return 0;
}

TRIVANE_CHILD_SCENARIO(program_folder_at_start) { rt::run_program(program(), report_program_folder, kNoCallbacks); }

// The program's folder comes to the runtime in GBK whatever the code page, as the
// rest of the program names files.
TEST(DllCommands, TheProgramFolderIsTakenInGbkInEitherCodePage) {
    const std::wstring folder = program_folder() + L"程序乗", copy = folder + L"\\测试乗.exe";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(testing_support::this_program().c_str(), copy.c_str(), FALSE));
    const std::string expected = rt::from_platform(program_folder().c_str()) + "程序乗\\\n";
    for (const auto& [locale, code_page] : {std::pair{testing_support::kChineseLocale, "936"},
                                             std::pair{testing_support::kWesternLocale, "1252"}})
        EXPECT_EQ(testing_support::run_child_in_locale(copy, "program_folder_at_start", locale),
                  std::string("code page ") + code_page + "\n" + expected);
    // The child may still be ending after its report.
    for (int i = 0; i < 100 && !DeleteFileW(copy.c_str()); ++i) Sleep(50);
    RemoveDirectoryW(folder.c_str());
}

TRIVANE_CHILD_SCENARIO(libraries_released_at_end) {
    start();
    logic::call_dll(kOrdinalFiveByPath, Convention::Standard, {}, kSite);
    logic::call_dll(kAddTwoByPath, Convention::Standard, {1, 2}, kSite);  // the same library, loaded again
    child_report(GetModuleHandleW(L"trivane_test_dll.dll") ? "loaded\n" : "not loaded\n");
    rt::end_sequence(0, rt::EndKind::Normal);
    child_report(GetModuleHandleW(L"trivane_test_dll.dll") ? "still loaded\n" : "released\n");
    child_report(rt::app().dll.addresses.empty() ? "table emptied\n" : "table kept\n");
}

TEST(DllCommands, TheEndSequenceReleasesEveryBoundLibrary) {
    const auto r = run_child("libraries_released_at_end");
    EXPECT_EQ(r.exit_code, 0u);
    EXPECT_EQ(r.report, "loaded\nreleased\ntable emptied\n");
}

}  // namespace
