// Stands in for system programs in the end-to-end tests. Each run appends one line to
// the file TRIVANE_STANDIN_LOG names:
//   <its own path> TAB <command line> TAB <current directory> TAB <parent's file name> TAB <process id>
// Then it ends with the exit code TRIVANE_STANDIN_EXIT gives (0 without it), or never
// when its command line contains the text TRIVANE_STANDIN_HANG_ON gives.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string variable(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? value : "";
}

// The file name of the process that started this one, as the process list has it.
std::string parent_name() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return "?";
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    DWORD parent = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
    std::string name = "?";
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == parent) name = entry.szExeFile;
    CloseHandle(snapshot);
    return name;
}

}  // namespace

int main() {
    const std::string log = variable("TRIVANE_STANDIN_LOG");
    if (log.empty()) return 1;
    char self[MAX_PATH], directory[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, directory);
    const std::string parent = parent_name();
    // Opened for each line, shared: two runs close together must not lose a line.
    bool written = false;
    for (int attempt = 0; attempt < 50 && !written; ++attempt) {
        if (FILE* f = std::fopen(log.c_str(), "ab")) {
            std::fprintf(f, "%s\t%s\t%s\t%s\t%lu\n", self, GetCommandLineA(), directory, parent.c_str(),
                         GetCurrentProcessId());
            std::fclose(f);
            written = true;
        } else {
            Sleep(20);
        }
    }
    if (!written) return 1;
    const std::string hang_on = variable("TRIVANE_STANDIN_HANG_ON");
    if (!hang_on.empty() && std::strstr(GetCommandLineA(), hang_on.c_str())) Sleep(INFINITE);
    return std::atoi(variable("TRIVANE_STANDIN_EXIT").c_str());
}
