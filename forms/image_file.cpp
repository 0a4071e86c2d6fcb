#include "forms/image_file.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace forms {
namespace {

#pragma pack(push, 1)
struct FileHeader {
    WORD reserved;
    WORD type;  // 1 icon, 2 cursor
    WORD count;
};
struct FileEntry {
    BYTE width;  // 0 means 256
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes_or_hot_x;
    WORD bits_or_hot_y;
    DWORD size;
    DWORD offset;
};
#pragma pack(pop)
static_assert(sizeof(FileHeader) == 6 && sizeof(FileEntry) == 16);

int side(BYTE stored) { return stored ? stored : 256; }

}  // namespace

HICON icon_from_file_image(const std::uint8_t* data, u32 length, ImageKind kind, int want_width, int want_height) {
    if (!data || length < sizeof(FileHeader)) return nullptr;
    FileHeader header;
    std::memcpy(&header, data, sizeof header);
    const WORD wanted_type = kind == ImageKind::Icon ? 1 : 2;
    if (header.reserved != 0 || header.type != wanted_type || header.count == 0) return nullptr;
    if (sizeof(FileHeader) + static_cast<size_t>(header.count) * sizeof(FileEntry) > length) return nullptr;

    if (want_width <= 0) want_width = GetSystemMetrics(kind == ImageKind::Icon ? SM_CXICON : SM_CXCURSOR);
    if (want_height <= 0) want_height = GetSystemMetrics(kind == ImageKind::Icon ? SM_CYICON : SM_CYCURSOR);

    const FileEntry* best = nullptr;
    int best_distance = 0;
    std::vector<FileEntry> all(header.count);
    std::memcpy(all.data(), data + sizeof header, all.size() * sizeof(FileEntry));
    for (const FileEntry& e : all) {
        if (e.offset > length || e.size > length - e.offset || e.size == 0) continue;
        const int distance = std::abs(side(e.width) - want_width) + std::abs(side(e.height) - want_height);
        if (!best || distance < best_distance) {
            best = &e;
            best_distance = distance;
        }
    }
    if (!best) return nullptr;

    // A cursor resource starts with its hot spot, which the file keeps in the entry.
    std::vector<std::uint8_t> bits;
    if (kind == ImageKind::Cursor) {
        const WORD hot[2] = {best->planes_or_hot_x, best->bits_or_hot_y};
        bits.resize(sizeof hot);
        std::memcpy(bits.data(), hot, sizeof hot);
    }
    bits.insert(bits.end(), data + best->offset, data + best->offset + best->size);
    return CreateIconFromResourceEx(bits.data(), static_cast<DWORD>(bits.size()), kind == ImageKind::Icon,
                                    0x00030000, side(best->width), side(best->height), LR_DEFAULTCOLOR);
}

}  // namespace forms
