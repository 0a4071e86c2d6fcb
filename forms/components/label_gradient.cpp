#include "forms/components/label_gradient.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "forms/component_type.h"
#include "forms/components/picture.h"
#include "runtime/handle_owners.h"

namespace forms {
namespace {

// Where a pixel lies along a mode's gradient (0 first colour, 1 last), given its
// place across the rectangle: x and y run from 0 at the left / top edge to 1 at the
// right / bottom one.
struct FillMode {
    double (*at)(double x, double y);
};

double from_edges(double v) { return 1 - std::fabs(2 * v - 1); }

constexpr FillMode kModes[] = {
    {[](double x, double) { return x; }},                                         // 1 left to right
    {[](double, double y) { return y; }},                                         // 2 top to bottom
    {[](double x, double y) { return (x + y) / 2; }},                             // 3 top left to bottom right
    {[](double x, double y) { return (x + 1 - y) / 2; }},                         // 4 bottom left to top right
    {[](double x, double) { return from_edges(x); }},                             // 5 left and right edges to the middle
    {[](double, double y) { return from_edges(y); }},                             // 6 top and bottom edges to the middle
    {[](double x, double y) { return std::min(from_edges(x), from_edges(y)); }},  // 7 all edges to the centre
    {[](double x, double y) { return std::min(1.0, std::hypot(2 * x - 1, 2 * y - 1)); }},  // 8 centre outwards, elliptic
};
static_assert(std::size(kModes) == 8);

int channel(COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// A solid-colour pixel of a 32-bit DIB (0xAARRGGBB, opaque).
std::uint32_t dib_pixel(COLORREF c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

double place(int at, int extent) { return extent > 1 ? static_cast<double>(at) / (extent - 1) : 0.0; }

}  // namespace

GradientStops usable_colours(std::initializer_list<u32> words) {
    GradientStops stops = {{0, 0, 0}, 0};
    for (u32 w : words)
        if (w != kDefaultColour && stops.count < 3) stops.colours[stops.count++] = w & 0x00FFFFFF;
    return stops;
}

COLORREF colour_at(const GradientStops& stops, double t) {
    if (stops.count <= 0) return 0;
    if (stops.count == 1) return stops.colours[0];
    t = std::clamp(t, 0.0, 1.0);
    const double along = t * (stops.count - 1);
    const int from = std::min(static_cast<int>(along), stops.count - 2);
    const double local = along - from;
    const COLORREF a = stops.colours[from], b = stops.colours[from + 1];
    int out[3];
    for (int i = 0; i < 3; ++i) {
        const int ca = channel(a, 8 * i), cb = channel(b, 8 * i);
        out[i] = static_cast<int>(std::lround(ca + (cb - ca) * local));
    }
    return RGB(out[0], out[1], out[2]);
}

void paint_gradient_border(HDC dc, const RECT& rect, int width, const GradientStops& stops) {
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const COLORREF old = GetDCBrushColor(dc);
    for (int ring = 0; ring < width; ++ring) {
        RECT r = rect;
        InflateRect(&r, -ring, -ring);
        if (r.right <= r.left || r.bottom <= r.top) break;
        SetDCBrushColor(dc, colour_at(stops, place(ring, width)));
        FrameRect(dc, &r, brush);
    }
    SetDCBrushColor(dc, old);
}

bool paint_gradient_fill(HDC dc, const RECT& rect, u32 mode, const GradientStops& stops) {
    if (mode < 1 || mode > std::size(kModes)) return false;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    Picture fill = Picture::blank(width, height);
    if (!fill) return false;
    const FillMode& m = kModes[mode - 1];
    std::uint32_t* out = fill.pixels();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) *out++ = dib_pixel(colour_at(stops, m.at(place(x, width), place(y, height))));

    const rt::MemoryDc source(dc, fill.bitmap());
    if (!source) return false;
    return BitBlt(dc, rect.left, rect.top, width, height, source.get(), 0, 0, SRCCOPY) != FALSE;
}

}  // namespace forms
