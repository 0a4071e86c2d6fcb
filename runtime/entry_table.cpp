#include "runtime/entry_table.h"

#include "runtime/arrays.h"
#include "runtime/at_exit.h"
#include "runtime/dll_binding.h"
#include "runtime/end_sequence.h"
#include "runtime/error_box.h"
#include "runtime/find_file.h"
#include "runtime/initialise.h"
#include "runtime/memory.h"
#include "runtime/message_loop.h"
#include "runtime/window_system.h"
#include "runtime/worker_results.h"

namespace rt {
namespace {

constexpr const char kWindowNotLoaded[] = "未载入欲访问窗口组件所在的窗口";

void report_error_entry(i32 code, i32 first, i32 second) { report_coded_error(code, first, second); }

u64 read_property(u32 window_id, u32 component_id, i32 index, i32 sub) {
    const WindowSystem* ws = window_system();
    if (!ws || !ws->read_property)
        report_error_message(kWindowNotLoaded, static_cast<i32>(window_id), static_cast<i32>(component_id));
    return ws->read_property(window_id, component_id, index, sub);
}

void write_property(u32 window_id, u32 component_id, i32 index, i32 sub, u32 lo, u32 hi) {
    const WindowSystem* ws = window_system();
    if (!ws || !ws->write_property)
        report_error_message(kWindowNotLoaded, static_cast<i32>(window_id), static_cast<i32>(component_id));
    ws->write_property(window_id, component_id, index, sub, lo, hi);
}

void end_program_entry(i32 exit_code) { end_program(exit_code); }

void load_start_window(u32 window_id) {
    const WindowSystem* ws = window_system();
    if (!ws || !ws->load_start_window || !ws->load_start_window(window_id))
        report_error_message("载入启动窗口失败", static_cast<i32>(window_id), 0);
}

template <typename T>
T* ptr(u32 word) { return reinterpret_cast<T*>(word); }

u64 call_helper(i32 index, u32 a0, u32 a1, u32 a2, u32 a3, u32 a4, u32 a5) {
    switch (index) {
    case kHelperFindFile: return reinterpret_cast<u32>(find_file(ptr<const char>(a0), a1, a2, ptr<void*>(a3)));
    case kHelperCloseFind: close_find(ptr<void>(a0)); return 0;
    case kHelperUnshareArray: unshare_array(static_cast<i32>(a0), ptr<void*>(a1)); return 0;
    case kHelperRegisterAtExit: register_at_exit(reinterpret_cast<AtExitFn>(a0)); return 0;
    case kHelperReadReferenceProperty: {
        const WindowSystem* ws = window_system();
        return ws && ws->read_reference_property
                   ? ws->read_reference_property(a0, ptr<void>(a1), static_cast<i32>(a2), static_cast<i32>(a3))
                   : 0;
    }
    case kHelperWriteReferenceProperty: {
        const WindowSystem* ws = window_system();
        if (ws && ws->write_reference_property)
            ws->write_reference_property(a0, ptr<void>(a1), static_cast<i32>(a2), static_cast<i32>(a3), a4, a5);
        return 0;
    }
    case kHelperInitialise: initialise_runtime(); return 0;
    case kHelperSetResultReceiver: set_result_receiver(reinterpret_cast<ResultReceiver>(a0)); return 0;
    case kHelperPostResult: return post_result(a0) ? 1 : 0;
    default: return 0;
    }
}

const EntryTable kEntryTable = {
    report_error_entry, call_dll_command, call_library_command, call_library_command,
    read_property,      write_property,   allocate,             reallocate,
    release,            end_program_entry, run_message_loop,    load_start_window,
    call_helper,
};

}  // namespace

ResultRecord call_library_command(CommandFn command, i32 count, ArgRecord* args) {
    ResultRecord result = {0, 0, 0};
    command(&result, count, args);
    return result;
}

const EntryTable& entry_table() { return kEntryTable; }

}  // namespace rt
