// BMP file images. The headers are checked here, field by field, against the data's
// length; the pixel formats (palettes, 16-bit masks, run-length data) are the
// platform's to convert, into the picture's 32-bit section. 32-bit pixels are copied
// here, since only we know whether their fourth byte is alpha.
#include <cstring>
#include <vector>

#include "forms/components/picture_decoders.h"
#include "runtime/handle_owners.h"

namespace forms::picture_detail {
namespace {

constexpr u32 kFileHeaderSize = 14;
constexpr u32 kCoreHeaderSize = 12;
constexpr u32 kInfoHeaderSize = 40;
constexpr u32 kOs2HeaderSize = 64;  // same first 40 bytes, other compression codes

std::uint32_t read_u32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t read_u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows stored top-down
    u32 bit_count = 0;
    u32 compression = BI_RGB;
    u32 palette_offset = 0;     // from the start of the data
    u32 palette_entry_size = 4;
    u32 palette_count = 0;
    u32 masks_offset = 0;       // three DWORD masks, for BI_BITFIELDS
    u32 bits_offset = 0;
    u32 bits_size = 0;          // bytes of pixel data handed on
};

bool bit_count_allowed(u32 bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool read_layout(const std::uint8_t* data, u32 length, Layout* out) {
    if (length < kFileHeaderSize + 4) return false;
    const u32 header_size = read_u32(data + kFileHeaderSize);
    if (header_size > length - kFileHeaderSize) return false;
    const std::uint8_t* h = data + kFileHeaderSize;
    Layout l;
    if (header_size == kCoreHeaderSize) {
        l.width = read_u16(h + 4);
        l.height = read_u16(h + 6);
        l.bit_count = read_u16(h + 10);
        l.palette_entry_size = 3;
        if (l.bit_count == 16 || l.bit_count == 32) return false;  // not in this header's set
    } else if (header_size == kInfoHeaderSize || header_size == 52 || header_size == 56 ||
               header_size == kOs2HeaderSize || header_size == sizeof(BITMAPV4HEADER) ||
               header_size == sizeof(BITMAPV5HEADER)) {
        l.width = static_cast<std::int32_t>(read_u32(h + 4));
        l.height = static_cast<std::int32_t>(read_u32(h + 8));
        l.bit_count = read_u16(h + 14);
        l.compression = read_u32(h + 16);
        l.palette_count = read_u32(h + 32);
        if (header_size == kOs2HeaderSize && l.compression != BI_RGB) return false;
    } else {
        return false;
    }
    if (!bit_count_allowed(l.bit_count)) return false;

    const std::int64_t rows = l.height < 0 ? -l.height : l.height;
    if (l.width <= 0 || rows == 0 || l.width > Picture::kMaxSide || rows > Picture::kMaxSide ||
        l.width * rows > static_cast<std::int64_t>(Picture::kMaxPixels))
        return false;

    std::uint64_t after_header = kFileHeaderSize + static_cast<std::uint64_t>(header_size);
    switch (l.compression) {
    case BI_RGB:
        break;
    case BI_RLE8:
    case BI_RLE4:
        // Run-length data is stored bottom-up only.
        if (l.bit_count != (l.compression == BI_RLE8 ? 8u : 4u) || l.height < 0) return false;
        break;
    case BI_BITFIELDS:
        if (l.bit_count != 16 && l.bit_count != 32) return false;
        if (header_size == kInfoHeaderSize) {
            l.masks_offset = static_cast<u32>(after_header);
            after_header += 12;
        } else {
            l.masks_offset = kFileHeaderSize + kInfoHeaderSize;  // inside the larger headers
        }
        if (after_header > length) return false;
        break;
    default:
        return false;  // embedded JPEG or PNG, OS/2 Huffman, alpha bitfields
    }

    if (l.bit_count <= 8) {
        const u32 full = 1u << l.bit_count;
        if (l.palette_count == 0 || l.palette_count > full) l.palette_count = full;
        l.palette_offset = static_cast<u32>(after_header);
        if (after_header + static_cast<std::uint64_t>(l.palette_count) * l.palette_entry_size > length) return false;
    } else {
        l.palette_count = 0;  // a palette beside direct colours is only a display hint
    }

    l.bits_offset = read_u32(data + 10);
    if (l.bits_offset < after_header || l.bits_offset >= length) return false;
    const u32 available = length - l.bits_offset;
    if (l.compression == BI_RLE8 || l.compression == BI_RLE4) {
        // Run-length data must state its size; data shorter than that was cut short.
        const u32 stated = read_u32(h + 20);
        if (stated == 0 || stated > available) return false;
        l.bits_size = stated;
    } else {
        const std::uint64_t stride = ((static_cast<std::uint64_t>(l.width) * l.bit_count + 31) / 32) * 4;
        const std::uint64_t needed = stride * static_cast<std::uint64_t>(rows);
        if (needed > available) return false;
        l.bits_size = static_cast<u32>(needed);
    }
    *out = l;
    return true;
}

// 32-bit BI_RGB rows: the fourth byte is alpha when any pixel sets it, else unused.
void copy_32bit_rows(const Layout& l, const std::uint8_t* bits, Picture& picture) {
    const int width = picture.width();
    const int height = picture.height();
    bool any_alpha = false;
    for (int y = 0; y < height; ++y) {
        const int stored = l.height < 0 ? y : height - 1 - y;
        std::uint32_t* row = picture.pixels() + static_cast<size_t>(y) * width;
        std::memcpy(row, bits + static_cast<size_t>(stored) * width * 4, static_cast<size_t>(width) * 4);
        for (int x = 0; x < width && !any_alpha; ++x) any_alpha = (row[x] >> 24) != 0;
    }
    const size_t count = static_cast<size_t>(width) * height;
    if (any_alpha) {
        premultiply(picture.pixels(), count);
    } else {
        for (size_t i = 0; i < count; ++i) picture.pixels()[i] |= 0xFF000000u;
    }
}

// Everything else: the platform converts into the section; the result is opaque.
bool convert_through_platform(const Layout& l, const std::uint8_t* data, Picture& picture) {
    // BITMAPINFOHEADER, then three masks or up to 256 palette entries.
    std::vector<std::uint32_t> info_words((kInfoHeaderSize + 256 * 4) / 4, 0);
    auto* info = reinterpret_cast<BITMAPINFO*>(info_words.data());
    info->bmiHeader.biSize = kInfoHeaderSize;
    info->bmiHeader.biWidth = static_cast<LONG>(l.width);
    info->bmiHeader.biHeight = static_cast<LONG>(l.height);
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = static_cast<WORD>(l.bit_count);
    info->bmiHeader.biCompression = l.compression;
    info->bmiHeader.biSizeImage = l.bits_size;
    info->bmiHeader.biClrUsed = l.palette_count;
    std::uint32_t* table = info_words.data() + kInfoHeaderSize / 4;
    if (l.compression == BI_BITFIELDS) {
        for (int i = 0; i < 3; ++i) table[i] = read_u32(data + l.masks_offset + 4 * i);
    }
    for (u32 i = 0; i < l.palette_count; ++i) {
        const std::uint8_t* entry = data + l.palette_offset + i * l.palette_entry_size;
        table[i] = entry[0] | (entry[1] << 8) | (entry[2] << 16);  // blue, green, red; no alpha
    }

    const int rows = picture.height();
    int copied = 0;
    {
        // SetDIBits wants a DC but not the bitmap selected into it.
        const rt::MemoryDc dc(nullptr);
        if (!dc) return false;
        copied = SetDIBits(dc.get(), picture.bitmap(), 0, static_cast<UINT>(rows), data + l.bits_offset, info,
                           DIB_RGB_COLORS);
    }
    GdiFlush();
    if (copied != rows) return false;
    const size_t count = static_cast<size_t>(picture.width()) * rows;
    for (size_t i = 0; i < count; ++i) picture.pixels()[i] |= 0xFF000000u;
    return true;
}

}  // namespace

Picture decode_bmp(const std::uint8_t* data, u32 length) {
    Layout layout;
    if (!read_layout(data, length, &layout)) return {};
    const int rows = static_cast<int>(layout.height < 0 ? -layout.height : layout.height);
    Picture picture = Picture::blank(static_cast<int>(layout.width), rows);
    if (!picture) return {};
    if (layout.bit_count == 32 && layout.compression == BI_RGB) {
        copy_32bit_rows(layout, data + layout.bits_offset, picture);
        return picture;
    }
    if (!convert_through_platform(layout, data, picture)) return {};
    return picture;
}

}  // namespace forms::picture_detail
