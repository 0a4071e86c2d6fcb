#include "tests/support/code_page_child.h"

#include "runtime/platform_text.h"
#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

// Wine takes a process's code page from the Unix locale it starts with, and a Windows
// program it starts keeps the Unix environment of its parent, whatever environment
// block it is handed. A Unix program started from here is handed the block, though:
// env sets the locale and starts wine on this executable, which joins the running
// wineserver. Such a start gives no process to wait for, so the report ends with a
// line of its own, which the parent waits for.
constexpr wchar_t kUnixEnv[] = L"Z:\\usr\\bin\\env";
constexpr char kEndLine[] = "(report ends)\n";

std::wstring new_report_file() {
    wchar_t directory[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    GetTempFileNameW(directory, L"trv", 0, path);
    return path;
}

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::wstring this_program() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, n);
}

std::string run_child_in_locale(const char* scenario, const char* locale, DWORD timeout_ms) {
    return run_child_in_locale(this_program(), scenario, locale, timeout_ms);
}

std::string run_child_in_locale(const std::wstring& program, const char* scenario, const char* locale,
                                DWORD timeout_ms) {
    const std::wstring report = new_report_file();
    const std::wstring unix_locale = rt::to_platform(locale);
    std::wstring command = L"env LANG=" + unix_locale + L" LC_ALL=" + unix_locale + L" wine \"" + program +
                           L"\" --child=" + rt::to_platform(scenario) + L" \"--report=" + report + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    std::string text;
    if (CreateProcessW(kUnixEnv, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        // Handles only when the platform made a Windows process after all.
        if (started.hThread) CloseHandle(started.hThread);
        if (started.hProcess) CloseHandle(started.hProcess);
        const DWORD start = GetTickCount();
        while (!ends_with(text = read_whole_file(report), kEndLine) && GetTickCount() - start < timeout_ms) Sleep(50);
    }
    DeleteFileW(report.c_str());
    if (!ends_with(text, kEndLine)) return text + "(unfinished)";
    return text.substr(0, text.size() - (sizeof kEndLine - 1));
}

void report_with_code_page(const std::string& text) {
    child_report("code page " + std::to_string(GetACP()) + "\n" + text + kEndLine);
}

}  // namespace testing_support
