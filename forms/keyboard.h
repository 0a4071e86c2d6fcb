// A window's keyboard handling before messages are dispatched: Tab order (the focus
// shown, as in a dialog, once it moves by key), Enter on the focused button or else
// the default one, Escape, F1, the arrow keys among radio buttons and Alt plus a
// caption's mnemonic.
#pragma once
#include <windows.h>

#include <vector>

#include "forms/window_registry.h"

namespace forms {

class WindowBase;

// The records Tab visits, in order: live, visible, enabled, tab-stop components of
// types that take the focus, by ascending focus-order word, equal words by
// descending record index.
std::vector<int> tab_order(const WindowDescriptor& window);

// True when the key was the window's business and is done.
bool handle_window_keys(WindowBase& window, const MSG& message);

}  // namespace forms
