// The machine's drives as the drive box lists them: in the platform's order, each
// with its kind marker and, for fixed drives, its volume label.
#pragma once
#include <string>
#include <vector>

#include "forms/component_type.h"

namespace forms {

struct DriveEntry {
    char letter;       // upper case
    std::string text;  // "C:", the kind marker, then " <label>" for a labelled fixed drive
};

// Whether a drive of this platform type (GetDriveType) passes the kind filter.
bool drive_kind_listed(u32 filter, UINT platform_type);

// The entry text of a drive; the label counts only for fixed drives.
std::string drive_entry_text(char letter, UINT platform_type, const std::string& label);

// What the platform says of one drive; the label is read for fixed drives only.
struct DriveFacts {
    char letter;  // upper case
    UINT platform_type;
    std::string label;
};

// The machine's drives in the platform's order; labels only of those that pass the filter.
std::vector<DriveFacts> read_drives(u32 filter);

// The drives that pass the filter, as the platform lists them: the listing read
// ahead (drive_read_ahead.h) the first time there is one, else a fresh one.
std::vector<DriveEntry> list_drives(u32 filter);

// The letter of the process's current drive, upper case. A current directory that
// is not on a drive letter (a network share) falls back to the system's drive, so
// that there is always a letter to show.
char process_drive();

// The upper-case form of a drive letter; other bytes pass unchanged.
char upper_drive_letter(char c);

}  // namespace forms
