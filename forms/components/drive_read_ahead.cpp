#include "forms/components/drive_read_ahead.h"

#include <windows.h>

#include "forms/components/drive_box_properties.h"
#include "runtime/handle_owners.h"

namespace forms {
namespace {

// Written by the reading thread only until it ends; read by the taker only after
// waiting for that end.
struct ReadAhead {
    bool started = false;
    rt::KernelHandle thread;  // until the result is taken
    std::vector<DriveFacts> drives;
};

// Never destroyed: a reading thread still running as the process ends must not find
// its result freed under it.
ReadAhead& state() {
    static ReadAhead* const s = new ReadAhead;
    return *s;
}

DWORD WINAPI read_thread(void*) {
    state().drives = read_drives(kDrivesAll);
    return 0;
}

}  // namespace

void read_drives_ahead() {
    ReadAhead& s = state();
    if (s.started) return;
    s.started = true;
    s.thread.reset(CreateThread(nullptr, 0, read_thread, nullptr, 0, nullptr));
}

bool take_drives_read_ahead(std::vector<DriveFacts>* drives) {
    ReadAhead& s = state();
    if (!s.thread) return false;
    const bool ended = WaitForSingleObject(s.thread.get(), INFINITE) == WAIT_OBJECT_0;
    s.thread.reset();
    if (!ended) return false;
    *drives = std::move(s.drives);
    return true;
}

}  // namespace forms
