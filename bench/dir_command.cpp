#include "bench/dir_command.h"

#include <windows.h>

#include "bench/stopwatch.h"
#include "runtime/handle_owners.h"

namespace bench {
namespace {

std::string read_all(const std::string& path) {
    rt::KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::string text;
    if (!file) return text;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace

DirResult run_dir_command(const std::string& root, const std::string& scratch_file) {
    DirResult result;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    {
        rt::KernelHandle output(CreateFileA(scratch_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!output) return result;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = output.get();
        si.hStdError = output.get();
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        std::string command = "cmd /c dir /s /b \"" + root + "system.yaml\"";
        PROCESS_INFORMATION pi = {};
        const Stopwatch clock;
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
            return result;
        rt::KernelHandle process(pi.hProcess), thread(pi.hThread);
        WaitForSingleObject(process.get(), INFINITE);
        result.milliseconds = clock.milliseconds();
        result.ran = true;
    }
    result.paths = lines_of(read_all(scratch_file));
    DeleteFileA(scratch_file.c_str());
    return result;
}

}  // namespace bench
