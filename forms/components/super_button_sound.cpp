#include "forms/components/super_button_sound.h"

#include <memory>

#include "forms/components/sound_theme_functions.h"

namespace forms {
namespace {

SoundPlayer g_player = play_sound;

// An asynchronous play from memory reads the data while it plays, after the call has
// returned, and possibly after the button or its property has moved on. The data of
// the last sound started is kept here until another one starts.
class PlayingData {
public:
    ~PlayingData() {
        // The process is ending: stop reading the data before it goes.
        if (data_) g_player(nullptr, nullptr, 0);
    }
    void keep(std::shared_ptr<const ByteBlock> data) { data_ = std::move(data); }

private:
    std::shared_ptr<const ByteBlock> data_;
};

PlayingData& playing() {
    static PlayingData data;
    return data;
}

}  // namespace

const wchar_t kClickWaveResource[] = L"TRIVANE_CLICK";

SoundPlayer set_sound_player(SoundPlayer player) {
    SoundPlayer old = g_player;
    g_player = player ? player : play_sound;
    return old;
}

void play_button_sound(bool builtin, const ByteBlock& data) {
    if (builtin) {
        g_player(kClickWaveResource, GetModuleHandleW(nullptr), kBuiltinSoundFlags);
        return;
    }
    if (data.empty()) return;
    auto copy = std::make_shared<const ByteBlock>(data);
    // With the no-stop flag a sound still playing refuses the new one; its data
    // must then stay.
    if (g_player(reinterpret_cast<LPCWSTR>(copy->data()), nullptr, kDataSoundFlags)) playing().keep(std::move(copy));
}

}  // namespace forms
