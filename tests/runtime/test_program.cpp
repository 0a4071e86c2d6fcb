#include "tests/runtime/test_program.h"

#include "runtime/initialise.h"
#include "runtime/library_service.h"
#include "logic/calls.h"
#include "logic/constants.h"
#include "tests/support/child_process.h"

namespace runtime_tests {
namespace {

rt::i32 recording_notify(rt::i32 code, rt::u32 arg1, rt::u32 arg2) {
    const bool is_service = arg1 == reinterpret_cast<rt::u32>(&rt::library_service);
    std::string line = "notify " + std::to_string(code) + " " +
                       (code == rt::kNotifyInit ? (is_service ? "service" : "other") : std::to_string(arg1)) + " " +
                       std::to_string(arg2) + "\n";
    g_library_log += line;
    testing_support::child_report(line);
    return code == rt::kNotifyInit || code == rt::kNotifyEnd ? 0 : rt::kNotifyUnhandled;
}

const rt::SupportLibrary kRecordingLibrary = {"测试库", recording_notify, 0, nullptr, 0, nullptr};
const rt::SupportLibrary kSilentLibrary = {"无通知库", nullptr, 0, nullptr, 0, nullptr};
const rt::SupportLibrary* const kLibraries[] = {&kRecordingLibrary, &kSilentLibrary};

const char* const kDllLibraries[] = {"kernel32.dll", "msvcrt.dll", "kernel32.dll", "kernel32.dll", "no_such_library.dll", ""};
const char* const kDllEntries[] = {"GetTickCount", "strlen", "NoSuchEntry", "lstrlenA", "Anything", "GetCurrentThreadId"};

}  // namespace

std::string g_library_log;

const rt::ProgramInfo& test_program_info() {
    static const rt::ProgramInfo info = {
        3, 7, 117722, nullptr, 0, logic::constant_block_start(), logic::constant_block_length(), nullptr, 0,
        2, kLibraries, sizeof kDllEntries / sizeof kDllEntries[0], kDllLibraries, kDllEntries,
    };
    return info;
}

void start_test_runtime() {
    rt::set_program_info(&test_program_info());
    logic::initialise_runtime();
}

}  // namespace runtime_tests
