#include "forms/components/super_button_pictures.h"

#include <vector>

#include "forms/components/picture_scale.h"

namespace forms {
namespace {

// A 0xAARRGGBB pixel as a 0x00BBGGRR colour.
COLORREF colour_of(std::uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

}  // namespace

PictureSlot PictureSlot::make(const ByteBlock& data, u32 transparent, int dpi) {
    PictureSlot slot;
    if (data.empty()) return slot;
    const Picture decoded = picture_at(decode_picture(data.data(), static_cast<u32>(data.size())), dpi);
    if (!decoded) return slot;
    const int w = decoded.width(), h = decoded.height();
    slot.picture_ = Picture::blank(w, h);
    slot.on_white_ = Picture::blank(w, h);
    if (!slot.picture_ || !slot.on_white_) return PictureSlot();

    const COLORREF key = transparent == kDefaultColour ? colour_of(decoded.pixel(0, 0)) : (transparent & 0xFFFFFF);
    const int stride = (w + 15) / 16 * 2;  // monochrome rows are whole 16-bit words
    std::vector<std::uint8_t> mask_bits(static_cast<size_t>(stride) * h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = decoded.pixel(x, y);
            const bool clear = (p >> 24) == 0 || colour_of(p) == key;
            const size_t at = static_cast<size_t>(y) * w + x;
            // Premultiplied colours are the picture already laid over black.
            slot.picture_.pixels()[at] = clear ? 0xFF000000u : (p | 0xFF000000u);
            slot.on_white_.pixels()[at] = clear ? 0xFFFFFFFFu : (p | 0xFF000000u);
            if (clear) mask_bits[static_cast<size_t>(y) * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    slot.mask_.reset(CreateBitmap(w, h, 1, 1, mask_bits.data()));
    if (!slot.mask_) return PictureSlot();
    return slot;
}

void PictureSlot::draw(HDC dc, int x, int y) const {
    if (empty()) return;
    const SIZE s = size();
    // A monochrome source paints its 0 bits in the text colour and its 1 bits in the
    // background colour: black and white make it a plain AND mask.
    const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF old_back = SetBkColor(dc, RGB(255, 255, 255));
    {
        const rt::MemoryDc mask(dc, mask_.get());
        BitBlt(dc, x, y, s.cx, s.cy, mask.get(), 0, 0, SRCAND);
    }
    {
        const rt::MemoryDc picture(dc, picture_.bitmap());
        BitBlt(dc, x, y, s.cx, s.cy, picture.get(), 0, 0, SRCPAINT);
    }
    SetTextColor(dc, old_text);
    SetBkColor(dc, old_back);
}

void PictureSlot::draw_disabled(HDC dc, int x, int y) const {
    if (empty()) return;
    const SIZE s = size();
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(on_white_.bitmap()), 0, x, y, s.cx, s.cy,
               DST_BITMAP | DSS_DISABLED);
}

}  // namespace forms
