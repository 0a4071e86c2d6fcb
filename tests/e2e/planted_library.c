/* Planted beside Trivane.exe under the names of system libraries: records that it
   was loaded, with its own path, in the file TRIVANE_STANDIN_LOG names. */
#include <windows.h>

#include <stdio.h>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char log[MAX_PATH], path[MAX_PATH];
        if (GetEnvironmentVariableA("TRIVANE_STANDIN_LOG", log, MAX_PATH) == 0) return TRUE;
        GetModuleFileNameA(module, path, MAX_PATH);
        FILE* f = fopen(log, "ab");
        if (f) {
            fprintf(f, "%s\tloaded\n", path);
            fclose(f);
        }
    }
    return TRUE;
}
