// One decoder per format; decode_picture picks among them by signature. Each gets the
// whole image data and gives an empty picture for anything it cannot decode.
#pragma once
#include "forms/components/picture.h"

namespace forms::picture_detail {

Picture decode_png(const std::uint8_t* data, u32 length);
Picture decode_jpeg(const std::uint8_t* data, u32 length);
Picture decode_bmp(const std::uint8_t* data, u32 length);
Picture decode_icon_file(const std::uint8_t* data, u32 length, bool cursor);

// Premultiplies colour by alpha in place; pixels arrive as straight-alpha BGRA.
void premultiply(std::uint32_t* pixels, std::size_t count);

}  // namespace forms::picture_detail
