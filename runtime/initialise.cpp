#include "runtime/initialise.h"

#include <windows.h>
#include <ole2.h>

#include <iterator>
#include <string>

#include "runtime/application.h"
#include "runtime/end_sequence.h"
#include "runtime/error_box.h"
#include "runtime/library_service.h"
#include "runtime/memory.h"
#include "runtime/platform_text.h"
#include "runtime/window_system.h"
#include "runtime/worker_results.h"

namespace rt {
namespace {

constexpr const wchar_t kHiddenOwnerClass[] = L"_QX_HideOwner";

LRESULT CALLBACK hidden_owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kMsgEndFromOtherThread) end_program(static_cast<i32>(wparam));
    if (message == kMsgWorkerResult) {
        deliver_result(static_cast<u32>(wparam));
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

HWND create_hidden_owner() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    if (!GetClassInfoW(instance, kHiddenOwnerClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = hidden_owner_proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        wc.lpszClassName = kHiddenOwnerClass;
        RegisterClassW(&wc);
    }
    return CreateWindowExW(WS_EX_TOOLWINDOW, kHiddenOwnerClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr, instance,
                           nullptr);
}

// The path as the program can name it in GBK: the path itself, else its short form
// (plain ASCII where the volume keeps short names), else none; never a name with '?'
// in the place of what GBK cannot hold, which the program would then act on.
std::wstring nameable(const std::wstring& path) {
    std::string gbk;
    if (from_platform_exact(path.c_str(), gbk)) return path;
    wchar_t short_path[MAX_PATH * 2];
    const DWORD n = GetShortPathNameW(path.c_str(), short_path, static_cast<DWORD>(std::size(short_path)));
    if (n > 0 && n < std::size(short_path) && from_platform_exact(short_path, gbk)) return short_path;
    return {};
}

std::string gbk_of(const std::wstring& nameable_text) {
    std::string gbk;
    from_platform_exact(nameable_text.c_str(), gbk);
    return gbk;
}

// The runtime keeps the program's folder and file names as GBK texts; the folder
// becomes the current directory as the platform names it. The split is made on the
// UTF-16 path: in GBK a backslash byte can be the second half of a character.
void take_module_name(Application& a) {
    wchar_t path[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    const std::wstring full(path, n < std::size(path) ? n : 0);
    const std::wstring named = nameable(full);
    const size_t slash = named.rfind(L'\\');
    a.program_directory = slash == std::wstring::npos ? std::string() : gbk_of(named.substr(0, slash));
    a.program_file = gbk_of(slash == std::wstring::npos ? named : named.substr(slash + 1));
    a.program_directory_slash = a.program_directory + "\\";
    const size_t full_slash = full.rfind(L'\\');
    const std::wstring directory = full_slash == std::wstring::npos ? std::wstring() : full.substr(0, full_slash);
    // "C:" alone would mean the drive's current directory, not its root.
    const std::wstring current = (directory.size() == 2 && directory[1] == L':') ? directory + L"\\" : directory;
    if (!current.empty()) SetCurrentDirectoryW(current.c_str());
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
