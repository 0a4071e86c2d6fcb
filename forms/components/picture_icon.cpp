// Icon and cursor files: the platform makes the icon; the picture's pixels come from
// drawing it twice, over black and over white, which recovers its alpha whether the
// icon carries an alpha channel or only a mask.
#include <algorithm>

#include "forms/components/picture_decoders.h"
#include "forms/image_file.h"
#include "runtime/handle_owners.h"

namespace forms::picture_detail {
namespace {

bool icon_size(HICON icon, int* width, int* height) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    // The platform made both bitmaps for us.
    const rt::GdiObject<HBITMAP> colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    bool ok = false;
    if (info.hbmColor && GetObject(info.hbmColor, sizeof bm, &bm)) {
        *width = bm.bmWidth;
        *height = bm.bmHeight;
        ok = true;
    } else if (info.hbmMask && GetObject(info.hbmMask, sizeof bm, &bm)) {
        // A monochrome icon's mask holds the AND half above the XOR half.
        *width = bm.bmWidth;
        *height = bm.bmHeight / 2;
        ok = true;
    }
    return ok && *width > 0 && *height > 0;
}

bool draw_over(HICON icon, Picture& target, std::uint32_t background) {
    const size_t count = static_cast<size_t>(target.width()) * target.height();
    std::fill(target.pixels(), target.pixels() + count, background);
    bool drawn = false;
    {
        const rt::MemoryDc dc(nullptr, target.bitmap());
        drawn = dc && DrawIconEx(dc.get(), 0, 0, icon, target.width(), target.height(), 0, nullptr, DI_NORMAL);
    }
    GdiFlush();
    return drawn;
}

}  // namespace

Picture decode_icon_file(const std::uint8_t* data, u32 length, bool cursor) {
    rt::OwnedIcon owned(icon_from_file_image(data, length, cursor ? ImageKind::Cursor : ImageKind::Icon));
    const HICON icon = owned.get();
    if (!icon) return {};
    int width = 0;
    int height = 0;
    Picture on_black;
    Picture on_white;
    if (icon_size(icon, &width, &height)) {
        on_black = Picture::blank(width, height);
        on_white = Picture::blank(width, height);
    }
    if (!on_black || !on_white || !draw_over(icon, on_black, 0xFF000000u) || !draw_over(icon, on_white, 0xFFFFFFFFu))
        return {};
    // Over black a pixel shows its premultiplied colour; over white, that plus
    // (1 - alpha) of white. Inverting mask pixels (cursors) come out opaque.
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i) {
        const std::uint32_t black = on_black.pixels()[i];
        const std::uint32_t white = on_white.pixels()[i];
        int lift = 0;
        for (int c = 0; c < 3; ++c) {
            const int difference = static_cast<int>((white >> (8 * c)) & 0xFF) - static_cast<int>((black >> (8 * c)) & 0xFF);
            lift = std::max(lift, difference);
        }
        const std::uint32_t alpha = static_cast<std::uint32_t>(255 - lift);
        std::uint32_t out = alpha << 24;
        for (int c = 0; c < 3; ++c) out |= std::min((black >> (8 * c)) & 0xFF, alpha) << (8 * c);
        on_black.pixels()[i] = out;
    }
    on_black.adopt_icon(owned.release());
    return on_black;
}

}  // namespace forms::picture_detail
