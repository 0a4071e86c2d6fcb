#include "tuner/record_menu.h"

#include "logic/calls.h"
#include "tuner/change_record.h"
#include "tuner/dll_commands.h"
#include "tuner/main_window.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr rt::u32 kSysCommand = 0x0112;
constexpr rt::u32 kNonClientDestroy = 0x0082;
constexpr rt::i32 kWindowProcedure = -4;
constexpr rt::u32 kStringItem = 0;
constexpr rt::u32 kCommandMask = 0xFFF0;

// The window's own procedure while ours is in front of it; UI thread only. The window
// is a Unicode one, so ours goes in and hands on through the wide calls.
rt::u32 g_own_procedure = 0;

constexpr logic::Site at(rt::i32 site) { return {kRoutineRecordMenu, site}; }

rt::u32 __stdcall watch_system_menu(rt::u32 window, rt::u32 message, rt::u32 wparam, rt::u32 lparam) {
    if (message == kSysCommand && (wparam & kCommandMask) == kShowRecordCommand) {
        const logic::Text record = change_record_path();
        show_change_record(record.get());
        return 0;
    }
    const rt::u32 own = g_own_procedure;
    if (message == kNonClientDestroy) {
        dll::SetWindowLongW(window, kWindowProcedure, own, at(1));
        g_own_procedure = 0;
    }
    return dll::CallWindowProcW(own, window, message, wparam, lparam, at(2));
}

// This process's top-level window that carries the main window's title.
rt::u32 main_window_handle() {
    const logic::Text title = kMainWindow.read_text(kWindowItself, kWindowTitle);
    const WideText wide_title(title.get());
    if (!wide_title.get()) return 0;
    const rt::u32 process = dll::GetCurrentProcessId(at(3));
    rt::u32 window = 0;
    while ((window = dll::FindWindowExW(0, window, nullptr, wide_title.get(), at(4))) != 0) {
        rt::u32 owner = 0;
        dll::GetWindowThreadProcessId(window, &owner, at(5));
        if (owner == process) return window;
    }
    return 0;
}

}  // namespace

void add_record_menu_item() {
    if (g_own_procedure) return;
    const rt::u32 window = main_window_handle();
    if (!window) return;
    const rt::u32 menu = dll::GetSystemMenu(window, false, at(6));
    const WideText item(kRecordMenuItem);
    if (!menu || !dll::AppendMenuW(menu, kStringItem, kShowRecordCommand, item.get(), at(7))) return;
    const rt::u32 ours = reinterpret_cast<rt::u32>(&watch_system_menu);
    g_own_procedure = dll::SetWindowLongW(window, kWindowProcedure, ours, at(8));
}

}  // namespace tuner
