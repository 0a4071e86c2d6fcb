#include "tests/components/component_blocks.h"

#include <windows.h>

#include <cstring>

#include "forms/property_archive.h"

namespace component_test {

ByteBlock label_block(const LabelValues& v) {
    forms::PropertyWriter out;
    out.u32_word(v.version);
    for (u32 w : {v.effect, v.border_width, v.border, v.border_colours[0], v.border_colours[1], v.border_colours[2],
                  v.text_colour, v.back_colour, v.placement, v.gradient_mode, v.gradient_colours[0],
                  v.gradient_colours[1], v.gradient_colours[2], v.alignment, v.vertical_alignment, v.word_wrap})
        out.u32_word(w);
    out.block(v.font);
    out.block(v.picture);
    out.text(v.caption);
    if (v.version >= 2) {
        out.text(v.data_source);
        out.text(v.data_column);
    }
    return out.bytes();
}

ByteBlock button_block(const ButtonValues& v) {
    forms::PropertyWriter out;
    out.u32_word(v.version);
    out.u32_word(v.kind);
    out.u32_word(v.alignment);
    out.u32_word(v.vertical_alignment);
    out.block(v.picture);
    out.block(v.font);
    out.text(v.caption);
    return out.bytes();
}

ByteBlock group_block(const GroupValues& v) {
    forms::PropertyWriter out;
    out.u32_word(v.version);
    out.u32_word(v.alignment);
    out.u32_word(v.caption_colour);
    out.u32_word(v.back_colour);
    out.block(v.font);
    out.text(v.caption);
    return out.bytes();
}

ByteBlock check_block(const CheckValues& v) {
    forms::PropertyWriter out;
    out.u32_word(v.version);
    for (u32 w : {v.push_like, v.flat, v.text_on_left, v.alignment, v.vertical_alignment, v.text_colour,
                  v.back_colour, v.ticked})
        out.u32_word(w);
    out.block(v.picture);
    out.block(v.font);
    out.text(v.caption);
    if (v.version >= 2) {
        out.text(v.data_source);
        out.text(v.data_column);
    }
    return out.bytes();
}

ByteBlock radio_block(CheckValues v) {
    v.version = 1;
    return check_block(v);
}

ByteBlock font_record(const std::string& face, int height) {
    LOGFONTA f{};
    f.lfHeight = height;
    f.lfWeight = FW_NORMAL;
    f.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(f.lfFaceName, face.c_str(), sizeof f.lfFaceName - 1);
    const auto* p = reinterpret_cast<const std::uint8_t*>(&f);
    return ByteBlock(p, p + sizeof f);
}

ByteBlock solid_bmp(int width, int height, u32 colour) {
    const int row = (width * 3 + 3) & ~3;
    const u32 image = static_cast<u32>(row * height);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + image;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = image;
    ByteBlock out(file.bfSize, 0);
    std::memcpy(out.data(), &file, sizeof file);
    std::memcpy(out.data() + sizeof file, &info, sizeof info);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = out.data() + file.bfOffBits + y * row + x * 3;
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
    return out;
}

namespace {

void put16(ByteBlock& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(ByteBlock& b, u32 v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

}  // namespace

ByteBlock solid_ico(int size, u32 colour) {
    const u32 mask_bytes = static_cast<u32>(((size + 31) / 32) * 4 * size);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = size;
    info.biHeight = 2 * size;  // the colour image and the mask
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const u32 image = sizeof info + static_cast<u32>(size * size * 4) + mask_bytes;

    ByteBlock b;
    put16(b, 0);  // reserved
    put16(b, 1);  // an icon file
    put16(b, 1);  // one image
    b.push_back(static_cast<std::uint8_t>(size));
    b.push_back(static_cast<std::uint8_t>(size));
    b.push_back(0);  // colour count
    b.push_back(0);  // reserved
    put16(b, 1);     // planes
    put16(b, 32);    // bits a pixel
    put32(b, image);
    put32(b, 6 + 16);  // the image follows the directory
    const auto* header = reinterpret_cast<const std::uint8_t*>(&info);
    b.insert(b.end(), header, header + sizeof info);
    for (int i = 0; i < size * size; ++i) {
        b.push_back(GetBValue(colour));
        b.push_back(GetGValue(colour));
        b.push_back(GetRValue(colour));
        b.push_back(255);
    }
    b.insert(b.end(), mask_bytes, 0);
    return b;
}

}  // namespace component_test
