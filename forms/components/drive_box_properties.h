// The drive box's property record: its property data block (version up to 1), its
// property table and what setting each property does.
#pragma once
#include <array>
#include <cstdint>
#include <iterator>

#include "forms/common_properties.h"
#include "forms/property_block.h"
#include "forms/property_indexes.h"

namespace forms {

// The kind filter: 0 lists every drive.
enum DriveKindFilter : u32 {
    kDrivesAll = 0,
    kDrivesRemovable,
    kDrivesFixed,
    kDrivesCdRom,
    kDrivesNetwork,
    kDrivesRamDisk,
};

struct DriveBoxProperties {
    char letter = 0;  // upper-case drive letter, 0 for none
    u32 kinds = kDrivesAll;
    u32 text_colour = 0x000000;
    u32 back_colour = 0xFFFFFF;
    ByteBlock font;
};

enum DriveSetEffect : int {
    kDriveSelectsLetter,  // the type keeps the letter itself: the text's first character, upper-cased
    kDriveRefills,
    kDriveRepaints,
    kDriveSetsBackground,
    kDriveSetsFont,
};

// In stored order: the letter as one byte, three words, the font block.
inline constexpr PropertyField<DriveBoxProperties> kDriveBoxFields[] = {
    {.property = kDriveCurrent,
     .describe = described("当前驱动器", "Drive", kCodeText),
     .byte = member<&DriveBoxProperties::letter>, .keep = Keep::ByType, .effect = kDriveSelectsLetter},
    {.property = kDriveKinds,
     .describe = described("驱动器类型", "DriveType", kCodeChoice),
     .word = member<&DriveBoxProperties::kinds>, .keep = Keep::Choice, .limit = kDrivesRamDisk,
     .effect = kDriveRefills},
    {.property = kDriveTextColour,
     .describe = described("文本颜色", "ForeColor", kCodeTextColour),
     .word = member<&DriveBoxProperties::text_colour>, .effect = kDriveRepaints},
    {.property = kDriveBackColour,
     .describe = described("背景颜色", "BackColor", kCodeBackColour),
     .word = member<&DriveBoxProperties::back_colour>, .effect = kDriveSetsBackground},
    {.property = kDriveFont,
     .describe = described("字体", "Font", kCodeFont),
     .block = member<&DriveBoxProperties::font>, .effect = kDriveSetsFont},
};
static_assert(std::size(kDriveBoxFields) == kDrivePropertyCount - kCommonPropertyCount);

DriveBoxProperties drive_box_defaults();
void drive_box_texts(const DriveBoxProperties& properties, TextCallback callback, void* context);

inline constexpr PropertyTable<DriveBoxProperties> kDriveBoxTable = {1, kDriveBoxFields, drive_box_defaults,
                                                                    drive_box_texts};

// The property descriptors the type shows, built from the table.
extern const std::array<PropertyDescriptor, kDrivePropertyCount> kDriveBoxDescriptors;

// False for a version above 1 or data that runs out; an empty block gives defaults.
bool read_drive_box_properties(const std::uint8_t* data, u32 length, DriveBoxProperties* out);
ByteBlock write_drive_box_properties(const DriveBoxProperties& properties);

// The kind filter as a write stores it: above the last kind becomes the last.
u32 clamp_drive_kinds(u32 kinds);

}  // namespace forms
