// PNG through libpng: every colour type and depth becomes 8-bit BGRA; palette and
// grey transparency become alpha. libpng reports errors by longjmp, so the two steps
// that call into it are plain functions whose frames hold nothing to destroy.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "forms/components/picture_decoders.h"

namespace forms::picture_detail {
namespace {

struct Source {
    const std::uint8_t* data;
    u32 length;
    u32 offset;
};

void read_data(png_structp png, png_bytep out, size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->length - source->offset) png_error(png, "truncated data");
    std::memcpy(out, source->data + source->offset, count);
    source->offset += static_cast<u32>(count);
}

// Silent: a picture that fails is simply no picture.
void on_error(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void on_warning(png_structp, png_const_charp) {}

class ReadState {
public:
    ReadState() {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, on_error, on_warning);
        if (png_) info_ = png_create_info_struct(png_);
    }
    ~ReadState() {
        if (png_) png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr);
    }
    ReadState(const ReadState&) = delete;
    ReadState& operator=(const ReadState&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// Reads up to the pixels and sets the conversion to BGRA; false on any error or a
// size out of range.
bool read_header(png_structp png, png_infop info, int* width, int* height) {
    if (setjmp(png_jmpbuf(png))) return false;
    // A huge declared size fails here, before any row is allocated.
    png_set_user_limits(png, Picture::kMaxSide, Picture::kMaxSide);
    // Damaged data is no picture, even where libpng could go on without the chunk.
    png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
    png_read_info(png, info);

    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    if (w == 0 || h == 0 || static_cast<std::uint64_t>(w) * h > Picture::kMaxPixels) return false;

    png_set_expand(png);  // palette to RGB, low depths to 8 bits, transparency to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);  // only where there is no alpha yet
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 4) return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

bool read_pixels(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    // Up to the end chunk: data cut short after the pixels is still damaged data.
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

Picture decode_png(const std::uint8_t* data, u32 length) {
    ReadState state;
    if (!state.png() || !state.info()) return {};
    Source source{data, length, 0};
    png_set_read_fn(state.png(), &source, read_data);

    int width = 0;
    int height = 0;
    if (!read_header(state.png(), state.info(), &width, &height)) return {};

    Picture picture = Picture::blank(width, height);
    if (!picture) return {};
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[static_cast<size_t>(y)] = reinterpret_cast<png_bytep>(picture.pixels() + static_cast<size_t>(y) * width);
    if (!read_pixels(state.png(), rows.data())) return {};

    premultiply(picture.pixels(), static_cast<size_t>(width) * height);
    return picture;
}

}  // namespace forms::picture_detail
