#include "tests/support/pixels.h"

#include <algorithm>
#include <cstdint>

#include "runtime/handle_owners.h"
#include "tests/support/window_program.h"

namespace testing_support {
namespace {

// A 32-bit top-down DIB selected into a memory DC, for reading pixels back.
class Canvas {
public:
    Canvas(int width, int height)
        : width_(width), height_(height), bitmap_(make_dib(width, height, &bits_)), dc_(nullptr, bitmap_.get()) {}
    HDC dc() const { return dc_.get(); }
    Pixels pixels() const {
        GdiFlush();
        Pixels p;
        p.width = width_;
        p.height = height_;
        for (int i = 0; i < width_ * height_; ++i) {
            const std::uint32_t v = bits_[i];
            p.colours.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
        return p;
    }

private:
    static HBITMAP make_dib(int width, int height, std::uint32_t** bits) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
    }

    int width_, height_;
    std::uint32_t* bits_ = nullptr;
    rt::GdiObject<HBITMAP> bitmap_;  // before the DC, which must let go of it first
    rt::MemoryDc dc_;
};

}  // namespace

int Pixels::count(COLORREF c) const {
    int n = 0;
    for (COLORREF p : colours) n += p == c;
    return n;
}

bool Pixels::any(COLORREF c, int left, int top, int right, int bottom) const {
    for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
        for (int x = std::max(left, 0); x < std::min(right, width); ++x)
            if (at(x, y) == c) return true;
    return false;
}

namespace {

int distance(COLORREF a, COLORREF b) {
    const int dr = GetRValue(a) - GetRValue(b), dg = GetGValue(a) - GetGValue(b), db = GetBValue(a) - GetBValue(b);
    return dr * dr + dg * dg + db * db;
}

template <typename Match>
RECT bounds_where(const Pixels& p, Match match) {
    RECT r = {p.width, p.height, 0, 0};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (match(p.at(x, y))) {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    if (r.right == 0) r = {0, 0, 0, 0};
    return r;
}

}  // namespace

RECT Pixels::bounds(COLORREF c) const {
    return bounds_where(*this, [c](COLORREF p) { return p == c; });
}

// Nearer to c than to the ground and to black and white (other text and edges).
static bool toward(COLORREF p, COLORREF c, COLORREF ground) {
    const int d = distance(p, c);
    for (COLORREF other : {ground, RGB(0, 0, 0), RGB(255, 255, 255)})
        if (other != c && distance(p, other) <= d) return false;
    return true;
}

int Pixels::count_toward(COLORREF c, COLORREF ground) const {
    int n = 0;
    for (COLORREF p : colours) n += toward(p, c, ground);
    return n;
}

RECT Pixels::bounds_toward(COLORREF c, COLORREF ground) const {
    return bounds_where(*this, [c, ground](COLORREF p) { return toward(p, c, ground); });
}

namespace {

// What `window` draws on a canvas of its client size filled with `ground` first, when
// sent `message` with the canvas's DC.
Pixels drawn_by(HWND window, COLORREF ground, UINT message, LPARAM lparam) {
    RECT client;
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    const rt::GdiObject<HBRUSH> brush(CreateSolidBrush(ground));
    FillRect(canvas.dc(), &client, brush.get());
    SendMessageA(window, message, reinterpret_cast<WPARAM>(canvas.dc()), lparam);
    return canvas.pixels();
}

}  // namespace

Pixels printed(HWND window, COLORREF ground) { return drawn_by(window, ground, WM_PRINTCLIENT, PRF_CLIENT); }

Pixels erased(HWND window, COLORREF ground) { return drawn_by(window, ground, WM_ERASEBKGND, 0); }

Pixels on_screen(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump();
    RECT client;
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    HDC dc = GetDC(window);
    BitBlt(canvas.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return canvas.pixels();
}

}  // namespace testing_support
