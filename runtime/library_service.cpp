#include "runtime/library_service.h"

#include <windows.h>

#include "runtime/application.h"
#include "runtime/at_exit.h"
#include "runtime/end_sequence.h"
#include "runtime/error_box.h"
#include "runtime/memory.h"
#include "runtime/message_loop.h"
#include "runtime/window_system.h"

namespace rt {
namespace {

HICON load_default_icon(int size_metric_x, int size_metric_y) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON,
                                         GetSystemMetrics(size_metric_x), GetSystemMetrics(size_metric_y), 0));
}

u32 default_icons(HICON* record) {
    Application& a = app();
    if (!a.default_icons[0]) a.default_icons[0].reset(load_default_icon(SM_CXICON, SM_CYICON));
    if (!a.default_icons[1]) a.default_icons[1].reset(load_default_icon(SM_CXSMICON, SM_CYSMICON));
    record[0] = a.default_icons[0].get();
    record[1] = a.default_icons[1].get();
    return 0;
}

// Type id = library number * 65536 + type number, both counted from 1.
u32 component_type(u32 type_id) {
    const Application& a = app();
    const u32 library = type_id >> 16;
    const u32 type = type_id & 0xFFFF;
    if (library == 0 || library > a.libraries.size()) return 0;
    const SupportLibrary* lib = a.libraries[library - 1];
    if (type == 0 || type > static_cast<u32>(lib->type_count) || !lib->types) return 0;
    return reinterpret_cast<u32>(lib->types[type - 1]);
}

u32 loading_step(int delta) {
    process_pending_messages();
    int& counter = app().loading_counter;
    if (delta > 0 || counter >= 1) counter += delta;
    return 0;
}

}  // namespace

u32 library_service(i32 code, u32 arg1, u32 arg2) {
    switch (code) {
    case kSvcDefaultIcons: return default_icons(reinterpret_cast<HICON*>(arg1));
    case kSvcComponentType: return component_type(arg1);
    case kSvcAddIdleCallback: add_idle_callback(*reinterpret_cast<const IdleCallback*>(arg1)); return 0;
    case kSvcRemoveIdleCallback: remove_idle_callback(reinterpret_cast<HWND>(arg1)); return 0;
    case kSvcProgramDirectory: return reinterpret_cast<u32>(app().program_directory.c_str());
    case kSvcProgramFileName: return reinterpret_cast<u32>(app().program_file.c_str());
    case kSvcBeginLoading: return loading_step(+1);
    case kSvcEndLoading: return loading_step(-1);
    case kSvcProcessPendingMessages: process_pending_messages(); return 0;
    case kSvcAllocate:
        return reinterpret_cast<u32>(arg2 ? allocate_unchecked(static_cast<i32>(arg1)) : allocate(static_cast<i32>(arg1)));
    case kSvcFree: release(reinterpret_cast<void*>(arg1)); return 0;
    case kSvcReallocate: return reinterpret_cast<u32>(reallocate(reinterpret_cast<void*>(arg1), static_cast<i32>(arg2)));
    case kSvcReportError: report_error_message(reinterpret_cast<const char*>(arg1));
    case kSvcEndProgram: end_program(static_cast<i32>(arg1));
    default: break;
    }
    const bool accepted = (code >= 1000 && code <= 1014) || (code >= 2000 && code <= 2040);
    if (!accepted) return 0;
    if (const WindowSystem* ws = window_system(); ws && ws->service) {
        bool handled = false;
        const u32 result = ws->service(code, arg1, arg2, &handled);
        if (handled) return result;
    }
    // Without a window system no window is loaded: 2007 still has to report it.
    if (code == kSvcComponentObjectRequired)
        report_error_message("指定窗口或窗口组件不存在或尚未载入", static_cast<i32>(arg1), static_cast<i32>(arg2));
    return 0;
}

}  // namespace rt
