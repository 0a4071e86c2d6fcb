#include "forms/components/picture_placement.h"

#include <algorithm>
#include <cmath>

#include "forms/display_scale.h"
#include "runtime/handle_owners.h"

namespace forms {
namespace {

void blend(HDC dc, HDC source, const Picture& p, int x, int y, int width, int height) {
    const BLENDFUNCTION f = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, width, height, source, 0, 0, p.width(), p.height(), f);
}

}  // namespace

void place_picture(HDC dc, const RECT& r, const Picture& p, u32 placement, int dpi) {
    if (p.empty()) return;
    const rt::MemoryDc memory(dc, p.bitmap());
    if (!memory) return;
    const HDC source = memory.get();
    const int pw = std::max(1, to_device(p.width(), dpi)), ph = std::max(1, to_device(p.height(), dpi));
    switch (placement) {
    case kPlaceTopLeft: blend(dc, source, p, r.left, r.top, pw, ph); break;
    case kPlaceTiled:
        for (int y = r.top; y < r.bottom; y += ph)
            for (int x = r.left; x < r.right; x += pw) blend(dc, source, p, x, y, pw, ph);
        break;
    default: {
        const int rw = r.right - r.left, rh = r.bottom - r.top;
        if (rw <= 0 || rh <= 0) break;
        const double scale = std::min({1.0, static_cast<double>(rw) / pw, static_cast<double>(rh) / ph});
        const int w = std::max(1, static_cast<int>(std::lround(pw * scale)));
        const int h = std::max(1, static_cast<int>(std::lround(ph * scale)));
        blend(dc, source, p, r.left + (rw - w) / 2, r.top + (rh - h) / 2, w, h);
        break;
    }
    }
}

}  // namespace forms
