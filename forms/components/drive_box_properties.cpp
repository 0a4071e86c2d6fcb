#include "forms/components/drive_box_properties.h"

#include "forms/property_archive.h"

namespace forms {

u32 clamp_drive_kinds(u32 kinds) {
    return static_cast<i32>(kinds) < 0 ? kDrivesAll : (kinds > kDrivesRamDisk ? kDrivesRamDisk : kinds);
}

bool read_drive_box_properties(const std::uint8_t* data, u32 length, DriveBoxProperties* out) {
    *out = DriveBoxProperties{};
    if (length == 0) return true;
    PropertyReader in(data, length);
    u32 version = 0;
    std::uint8_t letter = 0;
    if (!in.u32_word(&version) || version > kDriveBlockVersion) return false;
    if (!in.byte(&letter) || !in.u32_word(&out->kinds) || !in.u32_word(&out->text_colour) ||
        !in.u32_word(&out->back_colour) || !in.block(&out->font))
        return false;
    out->letter = static_cast<char>(letter);
    return true;
}

ByteBlock write_drive_box_properties(const DriveBoxProperties& p) {
    PropertyWriter out;
    out.u32_word(kDriveBlockVersion);
    out.byte(static_cast<std::uint8_t>(p.letter));
    out.u32_word(p.kinds);
    out.u32_word(p.text_colour);
    out.u32_word(p.back_colour);
    out.block(p.font);
    return out.bytes();
}

}  // namespace forms
