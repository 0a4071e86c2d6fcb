// The colours a control of another process shows, read from the screen: the text
// colour a label or radio button was given shows in the pixels of its caption, which
// are smoothed into the background (so few have the text colour itself).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Keeps the window holding `control` above every other while it lives, so that windows
// of tests running at the same time do not cover what is read.
class KeptOnTop {
public:
    explicit KeptOnTop(HWND control);
    ~KeptOnTop();
    KeptOnTop(const KeptOnTop&) = delete;
    KeptOnTop& operator=(const KeptOnTop&) = delete;

private:
    HWND window_;
};

// Waits until `control` shows a caption's worth of pixels of its background (its most
// common colour) blended at least a quarter of the way toward `colour`, and none
// toward any of `others`: the effect follows a click a little late, and a window that
// covered the control is repainted over a little late. False after `timeout_ms`;
// `seen` then tells the counts of the last read.
bool wait_for_colour(HWND control, COLORREF colour, const std::vector<COLORREF>& others, std::string* seen,
                     DWORD timeout_ms = 5000);

}  // namespace e2e
