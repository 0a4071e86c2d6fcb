// The form loader: builds a window and its components from the window's template.
#pragma once
#include <windows.h>

#include "forms/template_model.h"

namespace forms {

// The control id a load gives the component it creates `created`-th, from 0: the
// components are created from the last record to the first.
constexpr u32 control_id(u32 created) { return 100 + 10 * created; }

// Loads the window: an already loaded one is only restored or activated. A modal
// load freezes the other windows and returns once the window is gone. False when
// the window id is unknown, the owner is not a live window, or any object could
// not be created (nothing of the attempt stays then).
bool load_window(u32 window_id, HWND owner, bool modal);

}  // namespace forms
