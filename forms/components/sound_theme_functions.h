// The sound and theme functions the components use. Windows does not always take
// winmm and uxtheme from its own directory, so they are not imported: each is loaded
// from the system directory on first use, and a component goes without (no sound, no
// theme change) where the library is missing.
#pragma once
#include <windows.h>

namespace forms {

// PlaySoundW (a resource is named in UTF-16; data from memory is the data itself);
// FALSE when the sound library is missing.
BOOL WINAPI play_sound(LPCWSTR sound, HMODULE module, DWORD flags);

// SetWindowTheme; false when the theme library is missing (nothing is themed then).
bool set_window_theme(HWND window, LPCWSTR application_name, LPCWSTR class_list);

}  // namespace forms
