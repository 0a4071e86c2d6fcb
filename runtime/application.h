// The runtime's single application object: everything the process start, the
// message loop and the end sequence share.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/handle_owners.h"
#include "runtime/startup_record.h"

namespace rt {

using AtExitFn = void (*)(i32 position);
using IdleFn = void (*)(u32 argument);

struct IdleCallback {
    HWND window;
    IdleFn routine;
    u32 argument;
};

// The DLL command table: four parallel arrays, one entry per DLL command.
struct DllTable {
    std::vector<HMODULE> libraries;  // loaded library of each bound command
    std::vector<void*> addresses;    // resolved address cache
    std::vector<std::string> library_names;
    std::vector<std::string> entry_names;

    void clear() {
        libraries.clear();
        addresses.clear();
        library_names.clear();
        entry_names.clear();
    }
};

struct Application {
    const ProgramInfo* info = nullptr;
    HANDLE heap = nullptr;
    u32 build_mode = 0;
    u32 second_word = 0;
    u32 third_word = 0;

    std::string program_directory;        // without trailing backslash
    std::string program_file;
    std::string program_directory_slash;  // with trailing backslash

    const char* constant_start = nullptr;
    const char* constant_end = nullptr;

    DllTable dll;

    std::vector<const SupportLibrary*> libraries;
    std::vector<u32> library_state;

    std::vector<AtExitFn> at_exit;
    std::vector<IdleCallback> idle_callbacks;

    int loading_counter = 0;  // events are not delivered while above 0
    u32 modal_window_id = 0;

    bool initialised = false;  // runtime initialisation has run
    bool ole_initialised = false;
    bool sockets_started = false;
    volatile bool ending = false;

    DWORD main_thread = 0;
    HWND hidden_owner = nullptr;
    OwnedIcon default_icons[2];  // large, small

    // The three callback routines the program installs at start-up.
    void* program_callbacks[3] = {nullptr, nullptr, nullptr};

    bool is_main_thread() const { return GetCurrentThreadId() == main_thread; }
};

Application& app();

// Set once the message loop has been entered: closing the last window then ends it.
extern bool g_loop_entered;

// Private messages of the hidden owner window.
inline constexpr UINT kMsgEndFromOtherThread = 0x83E7;
inline constexpr UINT kMsgWorkerResult = 0x83E8;  // wparam: the number a worker posted

}  // namespace rt
