#include "commands/profile_commands.h"

#include <windows.h>

#include <cstring>

#include "commands/arguments.h"
#include "commands/read_only.h"

namespace commands {

// Only an omitted key or value is null (delete the section or the item); an empty
// text is passed on as empty, so it writes an item with an empty name or value.
void write_configuration_item(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const char* key = args.present(2) ? args.text(2) : nullptr;
    const char* value = args.present(3) ? args.text(3) : nullptr;
    // A name without a folder lies in the Windows directory, not where the check would look.
    const char* file = args.text(0);
    if (std::strpbrk(file, "\\/") && is_read_only_file(file)) return;
    set_raw_logical(result, WritePrivateProfileStringA(args.text(1), key, value, file));
}

}  // namespace commands
