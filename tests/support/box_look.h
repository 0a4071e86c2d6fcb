// What a message box looks like, read from the screen: its icon, which no message
// tells another process (each process holds its own icon handles), compared with the
// icon of a box this process shows with a given style.
#pragma once
#include <windows.h>

#include <vector>

#include "tests/support/message_box_answerer.h"

namespace testing_support {

// The icon's pixels, row by row; empty for a box without an icon.
using IconPixels = std::vector<COLORREF>;

// The icon of the first visible message box of process `pid` (0: this process), once
// it is painted; the box stays open. False when no box appeared in time.
bool read_box_icon(DWORD pid, IconPixels* icon, DWORD timeout_ms = 10000);

// The icon a box of `style` (a MessageBoxA style value) shows, from a box this process
// shows once for each style and closes again.
const IconPixels& icon_of_style(UINT style);

struct LookedAtBox : AnsweredBox {
    IconPixels icon;
};

// Like BoxAnswerer, reading each box's icon before it presses OK.
class LookingAnswerer {
public:
    explicit LookingAnswerer(DWORD pid);
    ~LookingAnswerer();
    LookingAnswerer(const LookingAnswerer&) = delete;
    LookingAnswerer& operator=(const LookingAnswerer&) = delete;

    std::vector<LookedAtBox> answered();

private:
    static DWORD WINAPI run(void* self);
    DWORD pid_;
    HANDLE thread_ = nullptr;
    volatile LONG stop_ = 0;
    CRITICAL_SECTION lock_;
    std::vector<LookedAtBox> answered_;
};

}  // namespace testing_support
