#include "tests/components/component_blocks.h"

#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

namespace component_test {

const forms::PropertyRow* StoredValues::row(i32 property, forms::FieldKind kind) const {
    const forms::PropertyRow* found = forms::find_field(*layout_, property);
    // A test that names a property its type lacks, or as the wrong kind, is itself wrong.
    if (!found || found->kind() != kind) {
        ADD_FAILURE() << "property " << property << " is no field of that kind in this type's rows";
        return nullptr;
    }
    return found;
}

StoredValues& StoredValues::word(i32 property, u32 value) {
    if (const forms::PropertyRow* r = row(property, forms::FieldKind::Word)) r->word(record_) = value;
    return *this;
}

StoredValues& StoredValues::words(std::initializer_list<std::pair<i32, u32>> values) {
    for (const auto& [property, value] : values) word(property, value);
    return *this;
}

StoredValues& StoredValues::text(i32 property, std::string value) {
    if (const forms::PropertyRow* r = row(property, forms::FieldKind::Text)) r->text(record_) = std::move(value);
    return *this;
}

StoredValues& StoredValues::data(i32 property, ByteBlock value) {
    if (const forms::PropertyRow* r = row(property, forms::FieldKind::Block)) r->block(record_) = std::move(value);
    return *this;
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
