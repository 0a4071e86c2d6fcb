// Start-up, the normal end and every way the program can end early, each in a child
// process running the real runtime under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/application.h"
#include "runtime/error_box.h"
#include "runtime/library_service.h"
#include "runtime/platform_text.h"
#include "logic/calls.h"
#include "runtime/process_entry.h"
#include "tests/runtime/test_program.h"
#include "tests/support/box_look.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"

namespace {

using testing_support::child_report;
using testing_support::run_child;

// Runs the scenario in a child and checks how it ended and what it reported.
void expect_run(const char* scenario, DWORD exit_code, const std::string& report) {
    SCOPED_TRACE(scenario);
    const auto r = run_child(scenario);
    EXPECT_EQ(r.exit_code, exit_code);
    EXPECT_EQ(r.report, report);
}

void* const kCallbacks[3] = {nullptr, nullptr, nullptr};

void at_exit_a(rt::i32 position) { child_report("atexit A " + std::to_string(position) + "\n"); }
void at_exit_b(rt::i32 position) { child_report("atexit B " + std::to_string(position) + "\n"); }

rt::i32 entry_that_registers_and_returns() {
    runtime_tests::start_test_runtime();
    logic::register_at_exit(at_exit_a);
    logic::register_at_exit(at_exit_b);
    logic::register_at_exit(at_exit_a);
    child_report("entry done\n");
    return 0;
}

TRIVANE_CHILD_SCENARIO(normal_end) {
    const int code = rt::run_program(runtime_tests::test_program_info(), entry_that_registers_and_returns, kCallbacks);
    child_report("framework exit " + std::to_string(code) + "\n");
}

TEST(Lifecycle, NormalEndRunsAtExitRoutinesOnceInOrderThenNotifiesLibraries) {
    expect_run("normal_end", 0u,
               "notify 1 service 0\n"
               "entry done\n"
               "atexit A 0\n"
               "atexit B 1\n"
               "notify 6 0 0\n"
               "framework exit 0\n");
}

rt::i32 entry_that_fails() {
    runtime_tests::start_test_runtime();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    logic::register_at_exit(at_exit_a);
    logic::entries().report_error(rt::kErrDllStack, 0x04010001, 3);
    child_report("returned\n");
    return 0;
}

TRIVANE_CHILD_SCENARIO(error_skips_at_exit) {
    rt::run_program(runtime_tests::test_program_info(), entry_that_fails, kCallbacks);
}

TEST(Lifecycle, ARuntimeErrorEndsWithMinusOneWithoutAtExitRoutines) {
    expect_run("error_skips_at_exit", 0xFFFFFFFFu,
               "notify 1 service 0\n"
               "code=6\n调用DLL命令后发现堆栈错误\r\n67174401, 3\r\n"
               "notify 6 0 0\n");
}

DWORD g_main_thread;
void at_exit_thread(rt::i32) {
    child_report(GetCurrentThreadId() == g_main_thread ? "atexit on main thread\n" : "atexit on other thread\n");
}

DWORD WINAPI end_from_worker(void*) {
    logic::entries().end_program(7);
    child_report("worker returned\n");
    return 0;
}

TRIVANE_CHILD_SCENARIO(end_from_worker_thread) {
    runtime_tests::start_test_runtime();
    g_main_thread = GetCurrentThreadId();
    logic::register_at_exit(at_exit_thread);
    HANDLE worker = CreateThread(nullptr, 0, end_from_worker, nullptr, 0, nullptr);
    // The main thread only pumps: the end arrives as a message to the hidden owner.
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
    CloseHandle(worker);
    child_report("main loop ended\n");
}

TEST(Lifecycle, AnEndRequestedFromAnotherThreadRunsOnTheMainThread) {
    expect_run("end_from_worker_thread", 7u, "notify 1 service 0\natexit on main thread\nnotify 6 0 0\n");
}

TRIVANE_CHILD_SCENARIO(end_program_service) {
    runtime_tests::start_test_runtime();
    logic::register_at_exit(at_exit_b);
    rt::library_service(rt::kSvcEndProgram, 5, 0);
    child_report("returned\n");
}

TRIVANE_CHILD_SCENARIO(error_message_service) {
    runtime_tests::start_test_runtime();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    logic::register_at_exit(at_exit_b);
    rt::library_service(rt::kSvcReportError, reinterpret_cast<rt::u32>("除数不能为零"), 0);
    child_report("returned\n");
}

TEST(Lifecycle, LibraryServicesEndTheProgram) {
    auto r = run_child("end_program_service");
    EXPECT_EQ(r.exit_code, 5u);
    EXPECT_EQ(r.report, "notify 1 service 0\natexit B 0\nnotify 6 0 0\n");

    r = run_child("error_message_service");
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(r.report, "notify 1 service 0\ncode=0\n除数不能为零\r\n0, 0\r\nnotify 6 0 0\n");
}

TRIVANE_CHILD_SCENARIO(start_window_missing) {
    runtime_tests::start_test_runtime();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    logic::load_start_window(0x52010001);
    child_report("returned\n");
}

TEST(Lifecycle, AMissingStartWindowIsReportedWithItsId) {
    expect_run("start_window_missing", 0xFFFFFFFFu,
               "notify 1 service 0\ncode=0\n载入启动窗口失败\r\n1375797249, 0\r\n未找到所指定的窗口\r\n"
               "notify 6 0 0\n");
}

TRIVANE_CHILD_SCENARIO(initialisation_effects) {
    runtime_tests::start_test_runtime();
    const rt::Application& a = rt::app();
    wchar_t current_path[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current_path);
    const std::string current = rt::from_platform(current_path);
    wchar_t module[MAX_PATH];
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::string full = rt::from_platform(module);
    const std::string dir = full.substr(0, full.rfind('\\'));
    const std::string file = full.substr(full.rfind('\\') + 1);
    child_report(std::string("current=") + (dir == current ? "program" : current) + "\n");
    child_report(std::string("2003=") +
                 (dir == reinterpret_cast<const char*>(rt::library_service(rt::kSvcProgramDirectory, 0, 0)) ? "ok" : "bad") +
                 "\n");
    child_report(std::string("2004=") +
                 (file == reinterpret_cast<const char*>(rt::library_service(rt::kSvcProgramFileName, 0, 0)) ? "ok" : "bad") +
                 "\n");
    wchar_t cls[64] = {};
    GetClassNameW(a.hidden_owner, cls, 64);
    wchar_t title[16] = L"x";
    GetWindowTextW(a.hidden_owner, title, 16);
    child_report("owner " + rt::from_platform(cls) + " tool=" +
                 ((GetWindowLongW(a.hidden_owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) ? "1" : "0") +
                 " visible=" + (IsWindowVisible(a.hidden_owner) ? "1" : "0") + " title='" + rt::from_platform(title) +
                 "' parent=" + (GetParent(a.hidden_owner) ? "1" : "0") + "\n");
    child_report("words " + std::to_string(a.build_mode) + " " + std::to_string(a.second_word) + " " +
                 std::to_string(a.third_word) + "\n");
    child_report("dll " + std::to_string(a.dll.addresses.size()) + " " + a.dll.entry_names[1] + " bound=" +
                 std::to_string(std::count_if(a.dll.addresses.begin(), a.dll.addresses.end(),
                                              [](void* p) { return p != nullptr; })) +
                 "\n");
    child_report(std::string("main=") + (a.main_thread == GetCurrentThreadId() ? "1" : "0") +
                 " ole=" + (a.ole_initialised ? "1" : "0") + " libraries=" + std::to_string(a.libraries.size()) + "\n");
    ExitProcess(0);  // skip the end sequence: only start-up is under test here
}

TEST(Lifecycle, InitialisationSetsUpTheProcess) {
    expect_run("initialisation_effects", 0u,
               "notify 1 service 0\n"
               "current=program\n"
               "2003=ok\n"
               "2004=ok\n"
               "owner _QX_HideOwner tool=1 visible=0 title='' parent=0\n"
               "words 3 7 117722\n"
               "dll 6 strlen bound=0\n"
               "main=1 ole=1 libraries=2\n");
}

BOOL CALLBACK count_hidden_owners(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    if (process == GetCurrentProcessId() && std::wstring(cls) == L"_QX_HideOwner") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TRIVANE_CHILD_SCENARIO(initialised_twice) {
    runtime_tests::start_test_runtime();
    const rt::Application& a = rt::app();
    const char* text = "abc";
    logic::call_dll(3, logic::Convention::Standard, {logic::word(text)}, {0x04010001, 1});  // lstrlenA, now bound
    const HWND owner = a.hidden_owner;
    const HMODULE library = a.dll.libraries[3];
    runtime_tests::start_test_runtime();
    int owners = 0;
    EnumWindows(count_hidden_owners, reinterpret_cast<LPARAM>(&owners));
    child_report("owners " + std::to_string(owners) + (a.hidden_owner == owner ? " same" : " other") +
                 (library && a.dll.libraries[3] == library && a.dll.addresses[3] ? ", binding kept" : ", binding lost") +
                 "\n");
    ExitProcess(0);
}

TEST(Lifecycle, ASecondInitialisationChangesNothing) {
    expect_run("initialised_twice", 0u, "notify 1 service 0\nowners 1 same, binding kept\n");  // the library notified once
}

TRIVANE_CHILD_SCENARIO(error_box_shown) {
    runtime_tests::start_test_runtime();
    logic::register_at_exit(at_exit_a);
    logic::entries().report_error(rt::kErrDllStack, 0x04010001, 12);
}

TEST(Lifecycle, TheErrorBoxShowsTheComposedTextAndEndsAfterItCloses) {
    std::string report_path;
    PROCESS_INFORMATION child = testing_support::start_child("error_box_shown", &report_path);
    testing_support::IconPixels icon;
    const bool shown = testing_support::read_box_icon(child.dwProcessId, &icon, 15000);
    testing_support::AnsweredBox box;
    const bool answered = shown && testing_support::answer_message_box(child.dwProcessId, IDOK, &box, 15000);
    const auto r = testing_support::finish_child(child, report_path);
    ASSERT_TRUE(answered);
    EXPECT_TRUE(icon == testing_support::icon_of_style(16));  // the error icon
    EXPECT_EQ(box.title, "错误");
    EXPECT_EQ(box.text,
              "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n\r\n67174401, 12\r\n");
    EXPECT_EQ(box.button_ids, (std::vector<int>{IDOK}));
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(r.report, "notify 1 service 0\nnotify 6 0 0\n");  // no at-exit routine ran
}

}  // namespace
