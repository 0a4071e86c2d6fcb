// Which runtime object belongs to which platform window, kept inside the process.
// Every message a component or container receives looks its object up, so the lookup
// stays in memory: a window property would cost a round trip to the platform's window
// server for each message (under Wine, a server request each).
#pragma once
#include <windows.h>

namespace forms {

class ComponentObject;

// From attachment (WM_NCCREATE or right after creation) until WM_NCDESTROY.
void remember_object(HWND window, ComponentObject* object);
void forget_object(HWND window);
// Null for a window without a runtime object, and for one that is gone.
ComponentObject* object_of(HWND window);

}  // namespace forms
