#include "forms/components/drive_box_properties.h"

#include <cstring>

namespace forms {

using P = DriveBoxProperties;

P drive_box_defaults() { return {}; }

// The font's face name is the only text a drive box holds.
void drive_box_texts(const P& p, TextCallback callback, void* context) {
    if (p.font.size() != sizeof(LOGFONTA)) return;
    // Stored fonts come from template data: do not trust the face to end in a zero.
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, reinterpret_cast<const LOGFONTA*>(p.font.data())->lfFaceName, LF_FACESIZE);
    callback(face, context);
}

constexpr std::array<PropertyDescriptor, kDrivePropertyCount> kDriveBoxDescriptors =
    property_descriptors<kDrivePropertyCount - kCommonPropertyCount>(kDriveBoxFields);
static_assert(every_property_described(kDriveBoxDescriptors));

u32 clamp_drive_kinds(u32 kinds) { return kept_word(Keep::Choice, kDrivesRamDisk, kinds); }

bool read_drive_box_properties(const std::uint8_t* data, u32 length, DriveBoxProperties* out) {
    return read_properties(kDriveBoxTable, data, length, out);
}

ByteBlock write_drive_box_properties(const DriveBoxProperties& p) { return write_properties(kDriveBoxTable, p); }

}  // namespace forms
