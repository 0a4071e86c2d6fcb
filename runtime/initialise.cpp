#include "runtime/initialise.h"

#include <windows.h>
#include <ole2.h>

#include "runtime/application.h"
#include "runtime/end_sequence.h"
#include "runtime/error_box.h"
#include "runtime/library_service.h"
#include "runtime/memory.h"
#include "runtime/window_system.h"

namespace rt {
namespace {

constexpr const char kHiddenOwnerClass[] = "_QX_HideOwner";

LRESULT CALLBACK hidden_owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kMsgEndFromOtherThread) end_program(static_cast<i32>(wparam));
    return DefWindowProcA(window, message, wparam, lparam);
}

HWND create_hidden_owner() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, kHiddenOwnerClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = hidden_owner_proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        wc.lpszClassName = kHiddenOwnerClass;
        RegisterClassA(&wc);
    }
    return CreateWindowExA(WS_EX_TOOLWINDOW, kHiddenOwnerClass, "", 0, 0, 0, 0, 0, nullptr, nullptr, instance,
                           nullptr);
}

void take_module_name(Application& a) {
    char path[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string full(path, n);
    const size_t slash = full.rfind('\\');
    if (slash == std::string::npos) {
        a.program_directory.clear();
        a.program_file = full;
    } else {
        a.program_directory = full.substr(0, slash);
        a.program_file = full.substr(slash + 1);
    }
    a.program_directory_slash = a.program_directory + "\\";
    // "C:" alone would mean the drive's current directory, not its root.
    const std::string current =
        (a.program_directory.size() == 2 && a.program_directory[1] == ':') ? a.program_directory_slash
                                                                           : a.program_directory;
    if (!current.empty()) SetCurrentDirectoryA(current.c_str());
}

}  // namespace

void set_program_info(const ProgramInfo* info) { app().info = info; }

void initialise_runtime() {
    Application& a = app();
    // Once per process: a second run would make a second hidden owner window and
    // forget the libraries bound for DLL commands without releasing them.
    if (a.initialised) return;
    a.initialised = true;
    const ProgramInfo& info = *a.info;

    a.heap = GetProcessHeap();
    a.build_mode = info.build_mode;
    a.second_word = info.second_word;
    a.third_word = info.third_word;
    if (!a.ole_initialised) a.ole_initialised = SUCCEEDED(OleInitialize(nullptr));
    take_module_name(a);
    a.hidden_owner = create_hidden_owner();
    a.main_thread = GetCurrentThreadId();
    set_constant_block(info.constant_data, info.constant_length);

    a.dll.libraries.assign(info.dll_count, nullptr);
    a.dll.addresses.assign(info.dll_count, nullptr);
    a.dll.library_names.clear();
    a.dll.entry_names.clear();
    for (u32 i = 0; i < info.dll_count; ++i) {
        a.dll.library_names.emplace_back(info.dll_libraries[i] ? info.dll_libraries[i] : "");
        a.dll.entry_names.emplace_back(info.dll_entries[i] ? info.dll_entries[i] : "");
    }

    for (u32 i = 0; i < info.library_count; ++i) {
        const SupportLibrary* library = info.libraries[i];
        if (library->notify) library->notify(kNotifyInit, reinterpret_cast<u32>(&library_service), 0);
    }
    a.libraries.assign(info.libraries, info.libraries + info.library_count);
    a.library_state.assign(info.library_count, 0);

    const WindowSystem* ws = window_system();
    if (ws && ws->read_templates &&
        !ws->read_templates(info.template_segment, info.template_length, info.code_base, info.handler_count))
        report_error_message("载入窗口模板数据段出错!");
}

}  // namespace rt
