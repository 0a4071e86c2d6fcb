// The runtime's names for the program: its folder and file as GBK texts, and its
// folder as the current directory, taken from the UTF-16 path the platform reports.
// A copy of this test program runs from a folder and under a name in Chinese, the
// name holding a character whose second GBK byte is a backslash.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/application.h"
#include "runtime/platform_text.h"
#include "tests/forms/forms_test_program.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace forms_test {
namespace {

TRIVANE_CHILD_SCENARIO(program_names) {
    start_forms_runtime();
    const rt::Application& a = rt::app();
    wchar_t current[MAX_PATH] = {};
    const DWORD n = GetCurrentDirectoryW(MAX_PATH, current);
    child_report(a.program_directory + "\n" + a.program_file + "\n" + a.program_directory_slash + "\n" +
                 rt::utf8_from_platform(current, n) + "\n");
    ExitProcess(0);
}

// Runs the copy of this program at `exe` for a scenario and hands back its report.
std::string run_copy(const std::wstring& exe, const char* scenario, const std::string& report) {
    std::wstring command = L"\"" + exe + L"\" --child=" + rt::to_platform(scenario) + L" \"--report=" +
                           rt::to_platform(report.c_str()) + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return "not started";
    if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return read_whole_file(report);
}

std::string utf8(const std::wstring& text) { return rt::utf8_from_platform(text.c_str(), text.size()); }

// The short form of a path, which the program takes where GBK cannot hold the name.
std::string short_form(const std::wstring& path) {
    wchar_t short_path[MAX_PATH] = {};
    std::string gbk;
    if (!GetShortPathNameW(path.c_str(), short_path, MAX_PATH) || !rt::from_platform_exact(short_path, gbk))
        return "no short form";
    return gbk;
}

TEST(ProgramNames, AreTakenWholeOrInTheirShortFormNeverWithQuestionMarks) {
    const struct {
        const wchar_t* folder;
        const wchar_t* file;
        bool gbk;  // GBK holds both names
    } cases[] = {
        // 乗 is 0x81 0x5C: the second byte of the file name's first character is a backslash.
        {L"\u7A0B\u5E8F\u76EE\u5F55", L"\u4E57\u8F66.exe", true},  // 程序目录, 乗车.exe
        {L"\uD55C\uAD6D", L"\uD504\uB85C\uADF8\uB7A8.exe", false},   // 한국, 프로그램.exe
    };
    wchar_t self[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    for (const auto& c : cases) {
        const TempDir temp;
        const std::wstring folder = rt::to_platform(temp.path().c_str()) + L"\\" + c.folder;
        const std::wstring exe = folder + L"\\" + c.file;
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        ASSERT_TRUE(CopyFileW(self, exe.c_str(), TRUE));
        std::string directory, file;
        if (c.gbk) {
            directory = rt::from_platform(folder.c_str());
            file = rt::from_platform(c.file);
        } else {
            directory = short_form(folder);
            const std::string short_exe = short_form(exe);
            file = short_exe.substr(short_exe.rfind('\\') + 1);  // plain ASCII
            EXPECT_EQ(directory.find('?'), std::string::npos);
        }
        EXPECT_EQ(run_copy(exe, "program_names", temp / "report.txt"),
                  directory + "\n" + file + "\n" + directory + "\\\n" + utf8(folder) + "\n")
            << utf8(exe);
        // The temporary folder's removal walks the narrow names: these go first.
        DeleteFileW(exe.c_str());
        RemoveDirectoryW(folder.c_str());
    }
}

}  // namespace
}  // namespace forms_test
