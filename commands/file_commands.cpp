#include "commands/file_commands.h"

#include <windows.h>

#include "commands/arguments.h"
#include "commands/core_link.h"
#include "runtime/handle_owners.h"
#include "runtime/library_service.h"
#include "runtime/texts.h"

namespace commands {

// Any entry matching the name or pattern counts, directories included.
void file_exists(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    WIN32_FIND_DATAA entry;
    const rt::FindHandle search(FindFirstFileA(Args(count, records).text(0), &entry));
    if (search) set_logical(result, true);
}

void delete_file(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    set_raw_logical(result, DeleteFileA(Args(count, records).text(0)));
}

// The platform's rules hold: an existing destination makes it fail.
void move_file(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    set_raw_logical(result, MoveFileA(args.text(0), args.text(1)));
}

// The runtime's copy of the directory is not ours to hand out: the caller gets a new one.
void program_directory(rt::ResultRecord* result, i32, rt::ArgRecord*) {
    const auto* directory = reinterpret_cast<const char*>(core_service(rt::kSvcProgramDirectory));
    set_pointer(result, rt::copy_text(directory));
}

}  // namespace commands
