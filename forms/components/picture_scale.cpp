#include "forms/components/picture_scale.h"

#include <algorithm>
#include <utility>

#include "forms/display_scale.h"

namespace forms {

Picture picture_at(Picture source, int dpi) {
    if (!source || dpi == kTemplateDpi) return source;
    const int w = std::max(1, to_device(source.width(), dpi)), h = std::max(1, to_device(source.height(), dpi));
    Picture scaled = Picture::blank(w, h);
    if (!scaled) return source;
    for (int y = 0; y < h; ++y) {
        const int from_y = std::min(source.height() - 1, y * source.height() / h);
        for (int x = 0; x < w; ++x)
            scaled.pixels()[static_cast<size_t>(y) * w + x] =
                source.pixel(std::min(source.width() - 1, x * source.width() / w), from_y);
    }
    if (source.is_icon())
        scaled.adopt_icon(static_cast<HICON>(CopyImage(source.icon(), IMAGE_ICON, w, h, 0)));
    return scaled;
}

}  // namespace forms
