#include "forms/components/sound_theme_functions.h"

#include "runtime/system_library.h"

namespace forms {

BOOL WINAPI play_sound(LPCWSTR sound, HMODULE module, DWORD flags) {
    using PlaySound = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
    static const auto play = rt::system_function<PlaySound>("winmm.dll", "PlaySoundW");
    return play ? play(sound, module, flags) : FALSE;
}

bool set_window_theme(HWND window, LPCWSTR application_name, LPCWSTR class_list) {
    using SetWindowTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto set_theme = rt::system_function<SetWindowTheme>("uxtheme.dll", "SetWindowTheme");
    return set_theme && SUCCEEDED(set_theme(window, application_name, class_list));
}

}  // namespace forms
