#include "tests/support/child_process.h"

#include <cstdio>
#include <cstring>
#include <map>

#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

std::map<std::string, Scenario>& scenarios() {
    static std::map<std::string, Scenario> all;
    return all;
}

std::string g_report_path;
std::string g_argument;

std::string temp_report_path() {
    char dir[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "trv", 0, path);
    return path;
}

LONG WINAPI report_crash(EXCEPTION_POINTERS* info) {
    char line[80];
    std::snprintf(line, sizeof line, "crash 0x%08lX at %p\n", info->ExceptionRecord->ExceptionCode,
                  info->ExceptionRecord->ExceptionAddress);
    child_report(line);
    TerminateProcess(GetCurrentProcess(), kCrashExitCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

ScenarioRegistration::ScenarioRegistration(const char* name, Scenario scenario) { scenarios()[name] = scenario; }

PROCESS_INFORMATION start_child(const char* scenario, std::string* report_path, const std::string& argument) {
    *report_path = temp_report_path();
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = std::string("\"") + exe + "\" --child=" + scenario + " \"--report=" + *report_path + "\"";
    if (!argument.empty()) command += " \"--argument=" + argument + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "cannot start child %s: %lu\n", scenario, GetLastError());
        pi = {};
    }
    return pi;
}

ChildResult finish_child(PROCESS_INFORMATION& child, const std::string& report_path, DWORD timeout_ms) {
    ChildResult result = {0xDEADBEEF, {}};
    if (child.hProcess) {
        if (WaitForSingleObject(child.hProcess, timeout_ms) != WAIT_OBJECT_0) {
            TerminateProcess(child.hProcess, 0xDEADBEEF);
            WaitForSingleObject(child.hProcess, 5000);
        }
        GetExitCodeProcess(child.hProcess, &result.exit_code);
        CloseHandle(child.hProcess);
        CloseHandle(child.hThread);
        child = {};
    }
    result.report = read_whole_file(report_path);
    DeleteFileA(report_path.c_str());
    return result;
}

ChildResult run_child(const char* scenario, DWORD timeout_ms) {
    std::string report_path;
    PROCESS_INFORMATION child = start_child(scenario, &report_path);
    return finish_child(child, report_path, timeout_ms);
}

ChildResult run_child_with(const char* scenario, const std::string& argument, DWORD timeout_ms) {
    std::string report_path;
    PROCESS_INFORMATION child = start_child(scenario, &report_path, argument);
    return finish_child(child, report_path, timeout_ms);
}

const std::string& child_argument() { return g_argument; }

void child_report(const std::string& text) {
    if (g_report_path.empty()) return;
    if (FILE* f = std::fopen(g_report_path.c_str(), "ab")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

int report_error_and_suppress_box(int code, const char* text) {
    child_report("code=" + std::to_string(code) + "\n" + text);
    return 1;
}

bool run_scenario_if_child(int argc, char** argv) {
    const char* name = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--child=", 8) == 0) name = argv[i] + 8;
        if (std::strncmp(argv[i], "--report=", 9) == 0) g_report_path = argv[i] + 9;
        if (std::strncmp(argv[i], "--argument=", 11) == 0) g_argument = argv[i] + 11;
    }
    if (!name) return false;
    // A crash ends the child at once, reported, rather than in a debugger waiting
    // for someone.
    SetErrorMode(GetErrorMode() | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(report_crash);
    auto it = scenarios().find(name);
    if (it == scenarios().end()) {
        std::fprintf(stderr, "unknown child scenario %s\n", name);
        ExitProcess(0xBADC0DE);
    }
    it->second();
    return true;
}

}  // namespace testing_support
