// The runtime entry table: thirteen service addresses in a fixed order, the only way
// the program logic reaches the runtime, and the runtime helper table behind slot 12.
#pragma once
#include "runtime/values.h"

namespace rt {

namespace slot {
using ReportError = void (*)(i32 code, i32 first, i32 second);
// Calls DLL command `index` with `count` native argument words (first argument
// first). `stack_delta` receives the stack depth after the call minus the depth
// before the arguments were pushed: 0 for a callee that popped them all.
using CallDll = u64 (*)(i32 index, const u32* words, i32 count, i32* stack_delta);
using CallCommand = ResultRecord (*)(CommandFn command, i32 count, ArgRecord* args);
using ReadProperty = u64 (*)(u32 window_id, u32 component_id, i32 index, i32 sub);
using WriteProperty = void (*)(u32 window_id, u32 component_id, i32 index, i32 sub, u32 lo, u32 hi);
using Allocate = void* (*)(i32 bytes);
using Reallocate = void* (*)(void* block, i32 bytes);
using Free = void (*)(void* block);
using EndProgram = void (*)(i32 exit_code);
using RunMessageLoop = void (*)();
using LoadStartWindow = void (*)(u32 window_id);
// Helper `index` with its argument words; unused words are 0.
using CallHelper = u64 (*)(i32 index, u32 a0, u32 a1, u32 a2, u32 a3, u32 a4, u32 a5);
}  // namespace slot

struct EntryTable {
    slot::ReportError report_error;         // 0
    slot::CallDll call_dll;                 // 1
    slot::CallCommand call_command_first;   // 2
    slot::CallCommand call_command;         // 3
    slot::ReadProperty read_property;       // 4
    slot::WriteProperty write_property;     // 5
    slot::Allocate allocate;                // 6
    slot::Reallocate reallocate;            // 7
    slot::Free free;                        // 8
    slot::EndProgram end_program;           // 9
    slot::RunMessageLoop run_message_loop;  // 10
    slot::LoadStartWindow load_start_window;  // 11
    slot::CallHelper call_helper;           // 12
};
static_assert(sizeof(EntryTable) == 13 * sizeof(void*));

enum HelperIndex : i32 {
    kHelperFindFile = 0,
    kHelperCloseFind = 1,
    kHelperUnshareArray = 2,
    kHelperRegisterAtExit = 3,
    kHelperReadReferenceProperty = 4,
    kHelperWriteReferenceProperty = 5,
    kHelperInitialise = 6,
    kHelperSetResultReceiver = 7,
    kHelperPostResult = 8,
    kHelperCount = 9,
};

const EntryTable& entry_table();

// Zeroes a result record, calls the command, returns the record (slots 2 and 3).
ResultRecord call_library_command(CommandFn command, i32 count, ArgRecord* args);

}  // namespace rt
