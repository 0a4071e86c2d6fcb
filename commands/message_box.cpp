#include <windows.h>

#include "commands/arguments.h"
#include "commands/command_functions.h"
#include "commands/value_format.h"
#include "commands/window_owner.h"
#include "runtime/platform_text.h"

namespace commands {
namespace {

constexpr const char kDefaultTitle[] = "信息：";
constexpr u32 kSystemModal = 0x1000;
constexpr u32 kTaskModal = 0x2000;

struct ButtonResult {
    int pressed;  // what the platform's message box returns
    i32 result;   // what the command returns
};
constexpr ButtonResult kButtonResults[] = {
    {IDOK, 0}, {IDCANCEL, 1}, {IDABORT, 2}, {IDRETRY, 3}, {IDIGNORE, 4}, {IDYES, 5}, {IDNO, 6},
};

// A failure (0) or any other button reads as OK.
i32 button_result(int pressed) {
    for (const ButtonResult& b : kButtonResults)
        if (b.pressed == pressed) return b.result;
    return 0;
}

// Task-modal unless the caller asked for system-modal. The flag is added, not ORed:
// callers rely on the exact sum, so a style already holding 0x2000 carries into 0x4000.
u32 box_style(u32 flags) { return (flags & kSystemModal) ? flags : flags + kTaskModal; }

}  // namespace

void message_box(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    FormatBuffer buffer;
    const char* text = value_text(args.at(0), buffer);
    HWND owner = args.count() >= 4 && args.present(3) ? resolve_owner(args.at(3)) : nullptr;
    const char* title = args.present(2) ? args.text(2) : kDefaultTitle;
    // GBK texts, shown alike whatever the system's code page.
    const int pressed = MessageBoxW(owner, rt::to_platform(text).c_str(), rt::to_platform(title).c_str(),
                                    box_style(args.at(1).lo));
    set_int(result, button_result(pressed));
}

}  // namespace commands
