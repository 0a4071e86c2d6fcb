// The runtime helpers behind entry slot 12 and the library service function.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/at_exit.h"
#include "runtime/library_service.h"
#include "logic/calls.h"
#include "runtime/memory.h"
#include "runtime/platform_text.h"
#include "runtime/startup_record.h"
#include "tests/runtime/test_program.h"
#include "tests/support/child_process.h"
#include "tests/support/code_page_child.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wide_files.h"

namespace {

using testing_support::TempDir;

std::vector<std::string> all_names(const std::string& pattern, rt::u32 attributes, bool no_filter) {
    std::vector<std::string> names;
    logic::FileSearch search;
    for (logic::Text name = search.next(pattern.c_str(), attributes, no_filter); !name.empty();
         name = search.next("", attributes, no_filter))
        names.emplace_back(name.c_str());
    std::sort(names.begin(), names.end());
    return names;
}

class FindFile : public testing::Test {
protected:
    void SetUp() override {
        dir_.write("a.txt", "a");
        dir_.write("b.log", "b");
        dir_.write("hidden.txt", "h");
        dir_.write("sub\\inner.txt", "i");
        set_attributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
        set_attributes("a.txt", FILE_ATTRIBUTE_READONLY);
    }
    void TearDown() override { set_attributes("a.txt", FILE_ATTRIBUTE_NORMAL); }
    void set_attributes(const char* name, DWORD attributes) {
        SetFileAttributesW(rt::to_platform(dir_ / name).c_str(), attributes);
    }
    TempDir dir_;
};

TEST_F(FindFile, WithoutAnAttributeArgumentEveryNonDirectoryPasses) {
    EXPECT_EQ(all_names(dir_ / "*", 0, true), (std::vector<std::string>{"a.txt", "b.log", "hidden.txt"}));
    EXPECT_EQ(all_names(dir_ / "*.txt", 0, true), (std::vector<std::string>{"a.txt", "hidden.txt"}));
}

TEST_F(FindFile, TheAttributeFilterIsMaskedAndSharedBitsPass) {
    EXPECT_EQ(all_names(dir_ / "*", FILE_ATTRIBUTE_DIRECTORY, false), (std::vector<std::string>{".", "..", "sub"}));
    EXPECT_EQ(all_names(dir_ / "*", FILE_ATTRIBUTE_HIDDEN, false), (std::vector<std::string>{"hidden.txt"}));
    // Bits outside 0x37 are masked off: 0x80 alone is the filter 0.
    EXPECT_EQ(all_names(dir_ / "*", FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_READONLY, false),
              (std::vector<std::string>{"a.txt"}));
    // Filter 0 takes only entries whose attribute word is 0: none of these.
    EXPECT_TRUE(all_names(dir_ / "*", FILE_ATTRIBUTE_NORMAL, false).empty());
}

TEST_F(FindFile, AnEmptyPatternContinuesOrYieldsNull) {
    logic::FileSearch fresh;
    EXPECT_EQ(fresh.next("", 0, true).get(), nullptr);  // no open search

    void* handle = nullptr;
    auto next = [&](const char* pattern) {
        return logic::Text::adopt(reinterpret_cast<char*>(static_cast<rt::u32>(logic::helper(
            rt::kHelperFindFile, reinterpret_cast<rt::u32>(pattern), 0, 1, reinterpret_cast<rt::u32>(&handle)))));
    };
    logic::Text first = next((dir_ / "b.*").c_str());
    EXPECT_TRUE(first == "b.log");
    EXPECT_NE(handle, nullptr);
    EXPECT_EQ(next("").get(), nullptr);
    EXPECT_EQ(handle, nullptr);  // closed and cleared at the end
    EXPECT_EQ(next((dir_ / "none.*").c_str()).get(), nullptr);
    EXPECT_EQ(handle, nullptr);
}

// A folder of files named in GBK (乗's second byte is a backslash) and in Korean, which
// GBK cannot hold, listed by patterns: one line a pattern, the names found joined.
std::string listing_of_mixed_names() {
    testing_support::WideTempDir dir;
    for (const wchar_t* name : {L"日志乗\\客户端乗.log", L"日志乗\\한국어.log", L"日志乗\\plain.log", L"日志乗\\한.txt"})
        dir.write(name, "");
    std::string out;
    for (const char* pattern : {"\\日志乗\\*.log", "\\日志乗\\*.txt", "\\日志乗\\客户端乗.*"}) {
        out += pattern;
        out += ":";
        for (const std::string& name : all_names(dir.gbk() + pattern, 0, true)) out += " " + name;
        out += "\n";
    }
    return out;
}

TRIVANE_CHILD_SCENARIO(listing_of_mixed_names) {
    testing_support::report_with_code_page(listing_of_mixed_names());
}

// A name with '?' in place of what GBK cannot hold would name another file, or none:
// the search passes such names over, in any code page.
TEST_F(FindFile, NamesGbkCannotHoldArePassedOver) {
    const std::string expected =
        "\\日志乗\\*.log: plain.log 客户端乗.log\n"
        "\\日志乗\\*.txt:\n"
        "\\日志乗\\客户端乗.*: 客户端乗.log\n";
    EXPECT_EQ(listing_of_mixed_names(), expected);
    EXPECT_EQ(testing_support::run_child_in_locale("listing_of_mixed_names", testing_support::kWesternLocale),
              "code page 1252\n" + expected);
}

TEST(Services, MemoryServices) {
    void* checked = reinterpret_cast<void*>(rt::library_service(rt::kSvcAllocate, 32, 0));
    ASSERT_NE(checked, nullptr);
    void* grown = reinterpret_cast<void*>(rt::library_service(rt::kSvcReallocate, reinterpret_cast<rt::u32>(checked), 64));
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, grown), 64u);
    EXPECT_EQ(rt::library_service(rt::kSvcFree, reinterpret_cast<rt::u32>(grown), 0), 0u);
    // The unchecked form hands failure back instead of ending the program.
    EXPECT_EQ(rt::library_service(rt::kSvcAllocate, 0x7FFFFFF0, 1), 0u);
}

TEST(Services, UnknownAndOutOfRangeCodesAnswerZero) {
    for (rt::i32 code : {0, 999, 1015, 1999, 2041, 5000, -1, 2039})
        EXPECT_EQ(rt::library_service(code, 1, 2), 0u) << code;
}

TEST(Services, DefaultIconsAreLoadedOnceInBothSizes) {
    HICON first[2] = {};
    HICON second[2] = {};
    rt::library_service(rt::kSvcDefaultIcons, reinterpret_cast<rt::u32>(first), 0);
    rt::library_service(rt::kSvcDefaultIcons, reinterpret_cast<rt::u32>(second), 0);
    ASSERT_NE(first[0], nullptr);
    ASSERT_NE(first[1], nullptr);
    EXPECT_EQ(first[0], second[0]);
    EXPECT_EQ(first[1], second[1]);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(first[1], &info));
    BITMAP bm;
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXSMICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

// Component type ids: library number * 65536 + type number, both from 1.
TEST(Services, ComponentTypeDescriptorByTypeId) {
    const auto* window_type = reinterpret_cast<const rt::ComponentType*>(0x1000);
    const auto* button_type = reinterpret_cast<const rt::ComponentType*>(0x2000);
    const rt::ComponentType* const core_types[] = {window_type, nullptr, button_type};
    const rt::SupportLibrary core = {"核心库", nullptr, 0, nullptr, 3, core_types};
    const rt::SupportLibrary extension = {"界面扩展库", nullptr, 0, nullptr, 0, nullptr};
    rt::Application& a = rt::app();
    const auto saved = a.libraries;
    a.libraries = {&core, &extension};
    EXPECT_EQ(rt::library_service(rt::kSvcComponentType, 0x00010001, 0), 0x1000u);
    EXPECT_EQ(rt::library_service(rt::kSvcComponentType, 0x00010003, 0), 0x2000u);
    EXPECT_EQ(rt::library_service(rt::kSvcComponentType, 0x00010002, 0), 0u);
    EXPECT_EQ(rt::library_service(rt::kSvcComponentType, 0x00010004, 0), 0u);
    EXPECT_EQ(rt::library_service(rt::kSvcComponentType, 0x00010000, 0), 0u);
    EXPECT_EQ(rt::library_service(rt::kSvcComponentType, 0x00020001, 0), 0u);
    EXPECT_EQ(rt::library_service(rt::kSvcComponentType, 0x00030001, 0), 0u);
    a.libraries = saved;
}

TEST(Services, LoadingCounterNeverDropsBelowZero) {
    rt::Application& a = rt::app();
    const int saved = a.loading_counter;
    a.loading_counter = 0;
    rt::library_service(rt::kSvcEndLoading, 0, 0);
    EXPECT_EQ(a.loading_counter, 0);
    rt::library_service(rt::kSvcBeginLoading, 0, 0);
    rt::library_service(rt::kSvcBeginLoading, 0, 0);
    EXPECT_EQ(a.loading_counter, 2);
    rt::library_service(rt::kSvcEndLoading, 0, 0);
    EXPECT_EQ(a.loading_counter, 1);
    a.loading_counter = saved;
}

void idle_routine(rt::u32) {}
void other_idle_routine(rt::u32) {}

TEST(Services, IdleCallbacksIgnoreNullDeadAndRepeatedWindows) {
    rt::Application& a = rt::app();
    a.idle_callbacks.clear();
    HWND live = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND dead = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(dead);
    const rt::IdleCallback records[] = {
        {live, idle_routine, 1}, {live, other_idle_routine, 2}, {dead, idle_routine, 3},
        {nullptr, idle_routine, 4}, {live, nullptr, 5},
    };
    for (const rt::IdleCallback& r : records)
        EXPECT_EQ(rt::library_service(rt::kSvcAddIdleCallback, reinterpret_cast<rt::u32>(&r), 0), 0u);
    ASSERT_EQ(a.idle_callbacks.size(), 1u);
    EXPECT_EQ(a.idle_callbacks[0].argument, 1u);
    rt::library_service(rt::kSvcRemoveIdleCallback, reinterpret_cast<rt::u32>(live), 0);
    EXPECT_TRUE(a.idle_callbacks.empty());
    DestroyWindow(live);
}

DWORD g_main_thread = 0;

void take_result(rt::u32 number) {
    testing_support::child_report(std::to_string(number) +
                                  (GetCurrentThreadId() == g_main_thread ? " on main\n" : " elsewhere\n"));
}

DWORD WINAPI post_three_results(void*) {
    for (rt::u32 number : {5u, 0x80000006u, 7u}) logic::post_result(number);
    return 0;
}

void pump_messages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
}

TRIVANE_CHILD_SCENARIO(worker_results) {
    runtime_tests::start_test_runtime();
    g_main_thread = GetCurrentThreadId();
    logic::set_result_receiver(take_result);
    const HANDLE worker = CreateThread(nullptr, 0, post_three_results, nullptr, 0, nullptr);
    WaitForSingleObject(worker, 5000);
    CloseHandle(worker);
    testing_support::child_report("posted\n");
    pump_messages();
    logic::set_result_receiver(nullptr);
    testing_support::child_report(logic::post_result(8) ? "8 posted\n" : "8 refused\n");
    pump_messages();
}

// A worker's numbers reach the receiver on the main thread, whole and in order, and
// only through the main thread's messages; without a receiver they are dropped.
TEST(WorkerResults, NumbersPostedOnAnyThreadReachTheReceiverOnTheMainThread) {
    EXPECT_EQ(testing_support::run_child("worker_results").report,
              "notify 1 service 0\nposted\n5 on main\n2147483654 on main\n7 on main\n8 posted\n");
}

TEST(AtExit, ARoutineIsRegisteredOnce) {
    rt::Application& a = rt::app();
    const auto saved = a.at_exit;
    a.at_exit.clear();
    auto first = [](rt::i32) {};
    auto second = [](rt::i32) {};
    logic::register_at_exit(first);
    logic::register_at_exit(second);
    logic::register_at_exit(first);
    ASSERT_EQ(a.at_exit.size(), 2u);
    EXPECT_EQ(a.at_exit[0], static_cast<rt::AtExitFn>(first));
    a.at_exit = saved;
}

}  // namespace
