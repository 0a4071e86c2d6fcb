#include "runtime/end_sequence.h"

#include <windows.h>
#include <ole2.h>

#include "runtime/application.h"
#include "runtime/window_system.h"

namespace rt {
namespace {

// Sockets are started only by facilities this program does not use; when they were,
// ws2_32 is already loaded and its clean-up is found there.
void clean_up_sockets() {
    if (HMODULE ws2 = GetModuleHandleW(L"ws2_32.dll")) {
        using Cleanup = int(WINAPI*)();
        if (auto cleanup = reinterpret_cast<Cleanup>(GetProcAddress(ws2, "WSACleanup"))) cleanup();
    }
}

void release_dll_libraries(Application& a) {
    for (HMODULE library : a.dll.libraries)
        if (library) FreeLibrary(library);
    a.dll.clear();
}

void tear_down(Application& a) {
    const WindowSystem* ws = window_system();

    a.idle_callbacks.clear();
    if (ws && ws->free_templates) ws->free_templates();

    // At-exit routines in registration order; one may register another, so index.
    for (size_t i = 0; i < a.at_exit.size(); ++i) a.at_exit[i](static_cast<i32>(i));
    a.at_exit.clear();

    for (size_t i = 0; i < a.libraries.size(); ++i)
        if (a.libraries[i]->notify) a.libraries[i]->notify(kNotifyEnd, a.library_state[i], 0);
    a.libraries.clear();
    a.library_state.clear();

    release_dll_libraries(a);

    a.program_directory.clear();
    a.program_file.clear();
    a.program_directory_slash.clear();
    a.constant_start = a.constant_end = nullptr;
    for (OwnedIcon& icon : a.default_icons) icon.reset();

    if (a.hidden_owner && IsWindow(a.hidden_owner)) DestroyWindow(a.hidden_owner);
    a.hidden_owner = nullptr;

    if (ws && ws->shutdown_objects) ws->shutdown_objects();

    if (a.sockets_started) {
        clean_up_sockets();
        a.sockets_started = false;
    }
    if (a.ole_initialised) {
        OleUninitialize();
        a.ole_initialised = false;
    }
}

}  // namespace

void end_sequence(i32 exit_code, EndKind kind) {
    Application& a = app();
    ++a.loading_counter;  // no event routine runs from here on

    if (a.main_thread && !a.is_main_thread()) {
        // The main thread does the teardown; it ends the process there.
        if (a.hidden_owner) SendMessageW(a.hidden_owner, kMsgEndFromOtherThread, static_cast<WPARAM>(exit_code), 0);
        if (!a.ending) ExitProcess(static_cast<UINT>(exit_code));
        if (kind == EndKind::Terminal) ExitThread(static_cast<DWORD>(exit_code));  // the main thread is ending
        return;
    }

    if (!a.ending) {
        a.ending = true;
        tear_down(a);
    }
    if (kind == EndKind::Terminal) ExitProcess(static_cast<UINT>(exit_code));
}

void end_program(i32 exit_code) {
    end_sequence(exit_code, EndKind::Terminal);
    ExitProcess(static_cast<UINT>(exit_code));  // not reached
}

}  // namespace rt
