#include "commands/command_functions.h"

#include <windows.h>

#include "commands/arguments.h"
#include "commands/core_link.h"
#include "runtime/handle_owners.h"
#include "runtime/library_service.h"
#include "runtime/platform_text.h"
#include "runtime/texts.h"

namespace commands {

// Names and patterns are GBK whatever the system's code page: they reach the platform
// as UTF-16.

// Any entry matching the name or pattern counts, directories included.
void file_exists(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    WIN32_FIND_DATAW entry;
    const rt::FindHandle search(FindFirstFileW(rt::to_platform(Args(count, records).text(0)).c_str(), &entry));
    if (search) set_logical(result, true);
}

void delete_file(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    set_raw_logical(result, DeleteFileW(rt::to_platform(Args(count, records).text(0)).c_str()));
}

// The platform's rules hold: an existing destination makes it fail.
void move_file(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    set_raw_logical(result, MoveFileW(rt::to_platform(args.text(0)).c_str(), rt::to_platform(args.text(1)).c_str()));
}

// The runtime's copy of the directory is not ours to hand out: the caller gets a new one.
void program_directory(rt::ResultRecord* result, i32, rt::ArgRecord*) {
    const auto* directory = reinterpret_cast<const char*>(core_service(rt::kSvcProgramDirectory));
    set_pointer(result, rt::copy_text(directory));
}

}  // namespace commands
