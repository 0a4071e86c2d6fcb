#include "forms/components/picture.h"

#include <cstring>
#include <utility>

#include "forms/components/picture_decoders.h"

namespace forms {

PictureFormat picture_format(const std::uint8_t* data, u32 length) {
    static constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (!data) return PictureFormat::Unknown;
    if (length >= sizeof kPng && std::memcmp(data, kPng, sizeof kPng) == 0) return PictureFormat::Png;
    if (length >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return PictureFormat::Jpeg;
    if (length >= 2 && data[0] == 'B' && data[1] == 'M') return PictureFormat::Bmp;
    // Icon and cursor files: reserved word 0, then type 1 or 2.
    if (length >= 4 && data[0] == 0 && data[1] == 0 && data[3] == 0) {
        if (data[2] == 1) return PictureFormat::Icon;
        if (data[2] == 2) return PictureFormat::Cursor;
    }
    return PictureFormat::Unknown;
}

Picture decode_picture(const std::uint8_t* data, u32 length) {
    using namespace picture_detail;
    switch (picture_format(data, length)) {
    case PictureFormat::Png: return decode_png(data, length);
    case PictureFormat::Jpeg: return decode_jpeg(data, length);
    case PictureFormat::Bmp: return decode_bmp(data, length);
    case PictureFormat::Icon: return decode_icon_file(data, length, false);
    case PictureFormat::Cursor: return decode_icon_file(data, length, true);
    case PictureFormat::Unknown: break;
    }
    return {};
}

Picture::~Picture() { reset(); }

Picture::Picture(Picture&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      icon_(std::move(other.icon_)) {}

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this != &other) {
        reset();
        bitmap_ = std::move(other.bitmap_);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        icon_ = std::move(other.icon_);
    }
    return *this;
}

void Picture::reset() {
    icon_.reset();
    bitmap_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

Picture Picture::blank(int width, int height) {
    Picture picture;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPixels)
        return picture;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    rt::GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return picture;
    // Sections start zeroed; say so rather than rely on it.
    std::memset(bits, 0, static_cast<std::size_t>(width) * height * 4);
    picture.bitmap_ = std::move(bitmap);
    picture.bits_ = static_cast<std::uint32_t*>(bits);
    picture.width_ = width;
    picture.height_ = height;
    return picture;
}

bool Picture::has_transparency() const {
    const std::size_t count = static_cast<std::size_t>(width_) * height_;
    for (std::size_t i = 0; i < count; ++i)
        if ((bits_[i] >> 24) != 0xFF) return true;
    return false;
}

Picture Picture::over(COLORREF background) const {
    Picture result = blank(width_, height_);
    if (!result) return result;
    const std::uint32_t back[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
    const std::size_t count = static_cast<std::size_t>(width_) * height_;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = bits_[i];
        const std::uint32_t keep = 255 - (p >> 24);
        std::uint32_t out = 0xFF000000u;
        for (int c = 0; c < 3; ++c) {
            const std::uint32_t colour = (p >> (8 * c)) & 0xFF;
            // Premultiplied source: out = src + back * (1 - alpha), rounded.
            const std::uint32_t mixed = colour + (back[c] * keep + 127) / 255;
            out |= (mixed > 255 ? 255 : mixed) << (8 * c);
        }
        result.bits_[i] = out;
    }
    return result;
}

void Picture::adopt_icon(HICON icon) { icon_.reset(icon); }

namespace picture_detail {

void premultiply(std::uint32_t* pixels, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = pixels[i];
        const std::uint32_t a = p >> 24;
        if (a == 255) continue;
        std::uint32_t out = a << 24;
        for (int c = 0; c < 3; ++c) {
            const std::uint32_t colour = (p >> (8 * c)) & 0xFF;
            out |= ((colour * a + 127) / 255) << (8 * c);
        }
        pixels[i] = out;
    }
}

}  // namespace picture_detail
}  // namespace forms
