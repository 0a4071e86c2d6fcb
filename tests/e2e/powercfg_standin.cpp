// Stands in for system programs in the end-to-end tests: records where it ran from and
// the command line it was started with, one line per run, in the file
// TRIVANE_STANDIN_LOG names.
#include <windows.h>

#include <cstdio>

int main() {
    char log[MAX_PATH], self[MAX_PATH];
    if (GetEnvironmentVariableA("TRIVANE_STANDIN_LOG", log, MAX_PATH) == 0) return 1;
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    // Opened for each line, shared: two runs close together must not lose a line.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (FILE* f = std::fopen(log, "ab")) {
            std::fprintf(f, "%s\t%s\n", self, GetCommandLineA());
            std::fclose(f);
            return 0;
        }
        Sleep(20);
    }
    return 1;
}
