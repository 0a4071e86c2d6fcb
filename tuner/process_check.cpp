#include "tuner/process_check.h"

#include <cstring>

#include "logic/commands.h"
#include "logic/records.h"
#include "tuner/dll_commands.h"
#include "tuner/routines.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

// The executable name is 260 UTF-16 units: the platform's wide process entry.
constexpr rt::i32 kExeNameUnits = 260;
constexpr rt::i32 kExeNameBytes = 2 * kExeNameUnits;
constexpr rt::i32 kProcessEntrySize = 9 * 4 + kExeNameBytes;  // 556

// The process list entry as the program holds it: nine integers and an owned array
// of 520 bytes for the executable name.
struct ProcessEntry {
    rt::i32 size, usage, process_id, default_heap, module_id, threads, parent, priority, flags;
    rt::ArrayHeader* exe_file;
};
constexpr logic::RecordField kProcessEntryFields[] = {
    {logic::RecordField::Word, 0}, {logic::RecordField::Word, 0}, {logic::RecordField::Word, 0},
    {logic::RecordField::Word, 0}, {logic::RecordField::Word, 0}, {logic::RecordField::Word, 0},
    {logic::RecordField::Word, 0}, {logic::RecordField::Word, 0}, {logic::RecordField::Word, 0},
    {logic::RecordField::ByteArray, kExeNameBytes},
};

// A zeroed entry whose name array has its declared 520 elements.
class ProcessEntryRecord {
public:
    ProcessEntryRecord() : entry_{} {
        entry_.exe_file = static_cast<rt::ArrayHeader*>(logic::allocate(8 + kExeNameBytes));
        entry_.exe_file->dimensions = 1;
        entry_.exe_file->sizes[0] = kExeNameBytes;
        std::memset(entry_.exe_file + 1, 0, kExeNameBytes);
    }
    ~ProcessEntryRecord() { logic::release(entry_.exe_file); }
    ProcessEntryRecord(const ProcessEntryRecord&) = delete;
    ProcessEntryRecord& operator=(const ProcessEntryRecord&) = delete;

    ProcessEntry& get() { return entry_; }

    // The executable name in code page 936: the units up to the first NUL (all 260
    // when there is none). `exact` is false when some character has no GBK form.
    logic::Text exe_name(bool& exact) const {
        wchar_t name[kExeNameUnits + 1] = {};
        std::memcpy(name, entry_.exe_file + 1, kExeNameBytes);
        return gbk_from_wide(name, &exact);
    }

private:
    ProcessEntry entry_;
};

constexpr logic::Site at(rt::i32 site) { return {kRoutineProcessCheck, site}; }

// Process32FirstW or Process32NextW, with the entry passed as a native block.
template <typename Step>
bool step(Step next, rt::u32 snapshot, ProcessEntry& entry, rt::i32 site) {
    logic::NativeRecord native(&entry, kProcessEntryFields);
    return next(snapshot, native.address(), at(site));
}

}  // namespace

rt::u32 first_process(ProcessPick pick, void* context) {
    constexpr rt::u32 kProcesses = 2;
    ToolKernelHandle snapshot(dll::CreateToolhelp32Snapshot(kProcesses, 0, at(1)), at(5));
    if (!snapshot) return 0;

    ProcessEntryRecord record;
    ProcessEntry& entry = record.get();
    entry.size = kProcessEntrySize;
    for (bool more = step(dll::Process32FirstW, snapshot.get(), entry, 2); more;
         more = step(dll::Process32NextW, snapshot.get(), entry, 3)) {
        // A name with no GBK form equals no name the tool looks for.
        bool exact = true;
        const logic::Text exe = record.exe_name(exact);
        if (!exact) continue;
        if (pick(static_cast<rt::u32>(entry.process_id), exe.c_str(), context)) {
            snapshot.close(at(4));
            return static_cast<rt::u32>(entry.process_id);
        }
    }
    return 0;
}

rt::u32 find_process(const char* name, bool case_sensitive) {
    struct Wanted {
        const char* name;
        bool case_sensitive;
    } wanted = {name, case_sensitive};
    return first_process(
        [](rt::u32, const char* exe, void* context) {
            const auto* w = static_cast<const Wanted*>(context);
            return logic::compare_text(w->name, exe, w->case_sensitive) == 0;
        },
        &wanted);
}

}  // namespace tuner
