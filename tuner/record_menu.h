// The system menu item that shows the change record. The window template fixes the
// window's events, so the item's command is caught by a small procedure put in front
// of the window's own; every other message passes on unchanged.
#pragma once
#include "runtime/values.h"

namespace tuner {

// The item's command: below the platform's system commands, its low four bits clear
// (the platform uses those bits itself, so the command is compared masked).
inline constexpr rt::u32 kShowRecordCommand = 0x0F10;

// Adds the item to the main window's system menu and starts watching for it.
void add_record_menu_item();

}  // namespace tuner
