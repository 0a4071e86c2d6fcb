// Pictures given to components as image data: PNG, JPEG, BMP, icon and cursor files,
// told apart by their first bytes. Data that cannot be decoded is no picture.
#pragma once
#include <windows.h>

#include <cstdint>

#include "forms/template_model.h"
#include "runtime/handle_owners.h"

namespace forms {

enum class PictureFormat { Unknown, Png, Jpeg, Bmp, Icon, Cursor };

// The format the data's signature names (never more than a look at the first bytes).
PictureFormat picture_format(const std::uint8_t* data, u32 length);

// A decoded picture: a 32-bit top-down DIB section, one 0xAARRGGBB word a pixel with the
// colour premultiplied by alpha (the form AlphaBlend takes). Icon and cursor files also
// keep the icon itself, since a button shows those as icons. Owns its handles.
class Picture {
public:
    // Larger pictures are refused: no component shows them, and their memory would
    // crowd a 32-bit process.
    static constexpr int kMaxSide = 16384;
    static constexpr std::uint32_t kMaxPixels = 16u * 1024u * 1024u;

    Picture() = default;
    ~Picture();
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // A new transparent-black picture of the given size; empty when the size is out of
    // range or the platform refuses the bitmap.
    static Picture blank(int width, int height);

    bool empty() const { return !bitmap_; }
    explicit operator bool() const { return !empty(); }
    int width() const { return width_; }
    int height() const { return height_; }
    HBITMAP bitmap() const { return bitmap_.get(); }
    // width * height words, rows top to bottom; null when empty.
    std::uint32_t* pixels() const { return bits_; }
    std::uint32_t pixel(int x, int y) const { return bits_[static_cast<std::size_t>(y) * width_ + x]; }
    // The icon of an icon or cursor file, null for every other picture.
    HICON icon() const { return icon_.get(); }
    bool is_icon() const { return static_cast<bool>(icon_); }
    // True when any pixel is not fully opaque.
    bool has_transparency() const;

    // The picture composed over a solid colour: opaque, no icon. What a bitmap button
    // shows against its background.
    Picture over(COLORREF background) const;

    // Takes ownership of an icon handle (icon and cursor pictures).
    void adopt_icon(HICON icon);

private:
    void reset();

    rt::GdiObject<HBITMAP> bitmap_;
    std::uint32_t* bits_ = nullptr;  // the section's pixels, valid while bitmap_ is
    int width_ = 0;
    int height_ = 0;
    rt::OwnedIcon icon_;  // after bitmap_: destroyed first, as before
};

// Decodes image data by its signature; an empty picture for unknown, truncated or
// corrupt data. The data is only read, within `length` bytes.
Picture decode_picture(const std::uint8_t* data, u32 length);

}  // namespace forms
