#include "tests/e2e/screen_colours.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace e2e {
namespace {

// Fewer pixels than the strokes of one character could be a frame's corner.
constexpr int kCaptionPixels = 12;
constexpr int kTolerance = 12;  // per channel, for rounding in the smoothing

std::vector<COLORREF> shown(HWND control) {
    std::vector<COLORREF> pixels;
    RECT r;
    if (!GetWindowRect(control, &r)) return pixels;
    HDC screen = GetDC(nullptr);
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

COLORREF most_common(const std::vector<COLORREF>& pixels) {
    std::map<COLORREF, int> counts;
    COLORREF best = 0;
    for (COLORREF c : pixels)
        if (++counts[c] > counts[best]) best = c;
    return best;
}

int channel(COLORREF c, int i) { return (c >> (8 * i)) & 0xFF; }

// Whether `p` lies on the way from `ground` to `colour`, at least a quarter along it.
bool blended_toward(COLORREF p, COLORREF ground, COLORREF colour) {
    int widest = 0;
    for (int i = 1; i < 3; ++i)
        if (std::abs(channel(colour, i) - channel(ground, i)) > std::abs(channel(colour, widest) - channel(ground, widest)))
            widest = i;
    const int span = channel(colour, widest) - channel(ground, widest);
    if (span == 0) return false;
    const double along = static_cast<double>(channel(p, widest) - channel(ground, widest)) / span;
    if (along < 0.25 || along > 1.05) return false;
    for (int i = 0; i < 3; ++i) {
        const double expected = channel(ground, i) + along * (channel(colour, i) - channel(ground, i));
        if (std::abs(channel(p, i) - expected) > kTolerance) return false;
    }
    return true;
}

}  // namespace

KeptOnTop::KeptOnTop(HWND control) : window_(GetAncestor(control, GA_ROOT)) {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

KeptOnTop::~KeptOnTop() {
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool wait_for_colour(HWND control, COLORREF colour, const std::vector<COLORREF>& others, std::string* seen,
                     DWORD timeout_ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        const std::vector<COLORREF> pixels = shown(control);
        const COLORREF ground = pixels.empty() ? 0 : most_common(pixels);
        auto toward = [&](COLORREF c) {
            int n = 0;
            for (COLORREF p : pixels) n += blended_toward(p, ground, c) ? 1 : 0;
            return n;
        };
        char line[64];
        std::snprintf(line, sizeof line, "%06lx: %d", colour, toward(colour));
        *seen = line;
        bool only = toward(colour) >= kCaptionPixels;
        for (COLORREF other : others) {
            const int n = toward(other);
            std::snprintf(line, sizeof line, ", %06lx: %d", other, n);
            *seen += line;
            only = only && n == 0;
        }
        if (only) return true;
        if (GetTickCount() - start > timeout_ms) return false;
        Sleep(50);
    }
}

}  // namespace e2e
