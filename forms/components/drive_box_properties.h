// The drive box's property record: its property data block (version up to 1) and
// access by component-specific index (property index - 8).
#pragma once
#include <cstdint>

#include "forms/component_type.h"
#include "forms/template_model.h"

namespace forms {

// Property indexes of the drive box.
enum DriveBoxProperty : i32 {
    kDriveCurrent = 8,      // text: the drive letter; only its first character counts
    kDriveKinds = 9,        // choice: which kinds of drive are listed
    kDriveTextColour = 10,  // colour
    kDriveBackColour = 11,  // colour; kDefaultColour is the button face
    kDriveFont = 12,        // 60-byte logical font, empty: the platform's default
    kDrivePropertyCount = 13,
};

// The kind filter: 0 lists every drive.
enum DriveKindFilter : u32 {
    kDrivesAll = 0,
    kDrivesRemovable = 1,
    kDrivesFixed = 2,
    kDrivesCdRom = 3,
    kDrivesNetwork = 4,
    kDrivesRamDisk = 5,
};

inline constexpr u32 kDriveBlockVersion = 1;

struct DriveBoxProperties {
    char letter = 0;  // upper-case drive letter, 0 for none
    u32 kinds = kDrivesAll;
    u32 text_colour = 0x000000;
    u32 back_colour = 0xFFFFFF;
    ByteBlock font;
};

// False for a version above 1 or data that runs out; an empty block gives defaults.
bool read_drive_box_properties(const std::uint8_t* data, u32 length, DriveBoxProperties* out);
ByteBlock write_drive_box_properties(const DriveBoxProperties& properties);

// The kind filter as a write stores it: above the last kind becomes the last.
u32 clamp_drive_kinds(u32 kinds);

}  // namespace forms
