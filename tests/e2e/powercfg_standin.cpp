// Stands in for the system's powercfg in the end-to-end tests: records each command
// line it was started with, one per line, in the file TRIVANE_POWERCFG_LOG names.
#include <windows.h>

#include <cstdio>

int main() {
    char log[MAX_PATH];
    if (GetEnvironmentVariableA("TRIVANE_POWERCFG_LOG", log, MAX_PATH) == 0) return 1;
    // Opened for each line, shared: two runs close together must not lose a line.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (FILE* f = std::fopen(log, "ab")) {
            std::fprintf(f, "%s\n", GetCommandLineA());
            std::fclose(f);
            return 0;
        }
        Sleep(20);
    }
    return 1;
}
