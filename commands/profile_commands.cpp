#include "commands/profile_commands.h"

#include <windows.h>

#include "commands/arguments.h"

namespace commands {

// Only an omitted key or value is null (delete the section or the item); an empty
// text is passed on as empty, so it writes an item with an empty name or value.
void write_configuration_item(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const char* key = args.present(2) ? args.text(2) : nullptr;
    const char* value = args.present(3) ? args.text(3) : nullptr;
    set_raw_logical(result, WritePrivateProfileStringA(args.text(1), key, value, args.text(0)));
}

}  // namespace commands
