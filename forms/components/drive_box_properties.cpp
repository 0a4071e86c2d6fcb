#include "forms/components/drive_box_properties.h"

#include <cstring>
#include <iterator>

#include "forms/common_properties.h"

namespace forms {
namespace {

using P = DriveBoxProperties;

// In stored order: the letter as one byte, three words, the font block.
constexpr PropertyField<P> kFields[] = {
    {.property = kDriveCurrent,
     .describe = described("当前驱动器", "Drive", kCodeText),
     .byte = &member<&P::letter>, .keep = Keep::ByType, .effect = kDriveSelectsLetter},
    {.property = kDriveKinds,
     .describe = described("驱动器类型", "DriveType", kCodeChoice),
     .word = &member<&P::kinds>, .keep = Keep::Choice, .limit = kDrivesRamDisk,
     .effect = kDriveRefills},
    {.property = kDriveTextColour,
     .describe = described("文本颜色", "ForeColor", kCodeTextColour),
     .word = &member<&P::text_colour>, .effect = kDriveRepaints},
    {.property = kDriveBackColour,
     .describe = described("背景颜色", "BackColor", kCodeBackColour),
     .word = &member<&P::back_colour>, .effect = kDriveSetsBackground},
    {.property = kDriveFont,
     .describe = described("字体", "Font", kCodeFont),
     .block = &member<&P::font>, .effect = kDriveSetsFont},
};
static_assert(std::size(kFields) == kDrivePropertyCount - kCommonPropertyCount);

P defaults() { return {}; }

// The font's face name is the only text a drive box holds.
void texts(const P& p, TextCallback callback, void* context) {
    if (p.font.size() != sizeof(LOGFONTA)) return;
    // Stored fonts come from template data: do not trust the face to end in a zero.
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, reinterpret_cast<const LOGFONTA*>(p.font.data())->lfFaceName, LF_FACESIZE);
    callback(face, context);
}

}  // namespace

constexpr std::array<PropertyDescriptor, kDrivePropertyCount> kDriveBoxDescriptors =
    property_descriptors<kDrivePropertyCount - kCommonPropertyCount>(kFields);
static_assert(every_property_described(kDriveBoxDescriptors));

const PropertyTable<DriveBoxProperties> kDriveBoxTable = {1, kFields, defaults, texts};

u32 clamp_drive_kinds(u32 kinds) { return kept_word(Keep::Choice, kDrivesRamDisk, kinds); }

bool read_drive_box_properties(const std::uint8_t* data, u32 length, DriveBoxProperties* out) {
    return read_properties(kDriveBoxTable, data, length, out);
}

ByteBlock write_drive_box_properties(const DriveBoxProperties& p) { return write_properties(kDriveBoxTable, p); }

}  // namespace forms
