// The super button's sounds: the library's built-in click (a wave resource of the
// program image) or wave data from its properties, played asynchronously, without
// the default system sound, and not over a sound that is still playing.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include "forms/template_model.h"

namespace forms {

// The wave resource of the built-in click sound.
extern const wchar_t kClickWaveResource[];

inline constexpr DWORD kBuiltinSoundFlags = SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOSTOP;
inline constexpr DWORD kDataSoundFlags = SND_MEMORY | SND_ASYNC | SND_NODEFAULT | SND_NOSTOP;

// Plays the built-in click when `builtin`, else `data` (nothing when it is empty).
void play_button_sound(bool builtin, const ByteBlock& data);

// The platform's player; replaceable so that tests can watch what is played.
using SoundPlayer = BOOL(WINAPI*)(LPCWSTR sound, HMODULE module, DWORD flags);
SoundPlayer set_sound_player(SoundPlayer player);

}  // namespace forms
