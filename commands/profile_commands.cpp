#include "commands/command_functions.h"

#include <windows.h>

#include <string>

#include "commands/arguments.h"
#include "commands/read_only.h"
#include "runtime/platform_text.h"

namespace commands {

namespace {

// An omitted argument stays null; any text, the empty one too, becomes a string.
struct OptionalText {
    OptionalText(const Args& args, i32 i) : present(args.present(i)), text(rt::to_platform(args.text(i))) {}
    const wchar_t* get() const { return present ? text.c_str() : nullptr; }
    bool present;
    std::wstring text;
};

}  // namespace

// Only an omitted key or value is null (delete the section or the item); an empty
// text is passed on as empty, so it writes an item with an empty name or value. The
// platform keeps the file's bytes in the system's code page: the program's keys and
// values are ASCII, which reads the same in every one.
void write_configuration_item(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const OptionalText key(args, 2), value(args, 3);
    // A name without a folder lies in the Windows directory, not where the check would
    // look. It is looked at in UTF-16: in GBK a character's second byte may be a backslash.
    const std::wstring file = rt::to_platform(args.text(0));
    if (file.find_first_of(L"\\/") != std::wstring::npos && is_read_only_file(file)) return;
    set_raw_logical(result, WritePrivateProfileStringW(rt::to_platform(args.text(1)).c_str(), key.get(), value.get(),
                                                       file.c_str()));
}

}  // namespace commands
