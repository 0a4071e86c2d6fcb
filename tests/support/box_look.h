// What a message box looks like: its icon. A box of this process tells its icon's
// handle, the same one LoadIcon gives; of another process's box only the screen tells
// (each process holds its own icon handles), compared with the icon of a box a child
// shows with a given style. Boxes read from the screen are first moved to the
// bottom right corner and kept on top, away from the centred boxes of other tests
// that may run at the same time.
#pragma once
#include <windows.h>

#include <vector>

#include "tests/support/message_box_answerer.h"

namespace testing_support {

// The icon's pixels, row by row; empty for a box without an icon.
using IconPixels = std::vector<COLORREF>;

// The icon of the first visible message box of process `pid` (0: this process), as the
// screen shows it once it is painted; the box stays open. False when no box appeared
// in time.
bool read_box_icon(DWORD pid, IconPixels* icon, DWORD timeout_ms = 10000);

// The icon a box of `style` (a MessageBoxA style value) shows, from a box this process
// shows once for each style and closes again.
const IconPixels& icon_of_style(UINT style);

struct LookedAtBox : AnsweredBox {
    IconPixels icon;              // for a box of another process
    HICON icon_handle = nullptr;  // for a box of this process; null without an icon
};

// Reads a box's icon: its handle for a box of this process, else its pixels.
bool look_at_box(DWORD pid, LookedAtBox* box);

// Like BoxAnswerer, reading each box's icon before it presses OK; `pid` 0 answers the
// boxes of this process.
class LookingAnswerer : public Answerer<LookedAtBox> {
public:
    explicit LookingAnswerer(DWORD pid) : Answerer(IDOK, pid, look_at_box) {}
};

}  // namespace testing_support
