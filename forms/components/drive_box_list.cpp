#include "forms/components/drive_box_list.h"

#include <windows.h>

#include "forms/components/drive_box_properties.h"
#include "forms/components/drive_read_ahead.h"

namespace forms {
namespace {

constexpr DWORD kDriveStringsCapacity = 260;
constexpr DWORD kLabelCapacity = 499;

// What each platform drive type shows and which filter value picks it. Removable
// drives and unknown types carry no marker.
struct DriveKind {
    UINT platform_type;
    u32 filter;
    const char* marker;
};

constexpr DriveKind kDriveKinds[] = {
    {DRIVE_REMOVABLE, kDrivesRemovable, ""},               // floppies, memory sticks
    {DRIVE_FIXED, kDrivesFixed, " （硬盘）"},              // hard disks
    {DRIVE_CDROM, kDrivesCdRom, " （光驱）"},              // optical drives
    {DRIVE_REMOTE, kDrivesNetwork, " （网络驱动器）"},     // mapped network shares
    {DRIVE_RAMDISK, kDrivesRamDisk, " （内存虚拟驱动器）"},  // RAM disks
};

const DriveKind* kind_of(UINT platform_type) {
    for (const DriveKind& k : kDriveKinds)
        if (k.platform_type == platform_type) return &k;
    return nullptr;
}

std::string volume_label(const char* root) {
    char label[kLabelCapacity + 1] = {};
    if (!GetVolumeInformationA(root, label, kLabelCapacity, nullptr, nullptr, nullptr, nullptr, 0)) return {};
    return label;
}

}  // namespace

char upper_drive_letter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool drive_kind_listed(u32 filter, UINT platform_type) {
    if (filter == kDrivesAll) return true;
    const DriveKind* kind = kind_of(platform_type);
    return kind && kind->filter == filter;
}

std::string drive_entry_text(char letter, UINT platform_type, const std::string& label) {
    std::string text{letter, ':'};
    if (const DriveKind* kind = kind_of(platform_type)) text += kind->marker;
    if (platform_type == DRIVE_FIXED && !label.empty()) text += " " + label;
    return text;
}

std::vector<DriveFacts> read_drives(u32 filter) {
    char roots[kDriveStringsCapacity + 1] = {};
    const DWORD n = GetLogicalDriveStringsA(kDriveStringsCapacity, roots);
    std::vector<DriveFacts> drives;
    if (n == 0 || n > kDriveStringsCapacity) return drives;
    for (char* root = roots; *root; root += lstrlenA(root) + 1) {
        root[0] = upper_drive_letter(root[0]);
        const UINT type = GetDriveTypeA(root);
        if (!drive_kind_listed(filter, type)) continue;
        drives.push_back({root[0], type, type == DRIVE_FIXED ? volume_label(root) : std::string()});
    }
    return drives;
}

std::vector<DriveEntry> list_drives(u32 filter) {
    std::vector<DriveFacts> facts;
    if (!take_drives_read_ahead(&facts)) facts = read_drives(filter);
    std::vector<DriveEntry> drives;
    for (const DriveFacts& d : facts)
        if (drive_kind_listed(filter, d.platform_type))
            drives.push_back({d.letter, drive_entry_text(d.letter, d.platform_type, d.label)});
    return drives;
}

char process_drive() {
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetCurrentDirectoryA(MAX_PATH, path);
    if (n >= 2 && n <= MAX_PATH && path[1] == ':') return upper_drive_letter(path[0]);
    if (GetSystemWindowsDirectoryA(path, MAX_PATH) >= 2 && path[1] == ':') return upper_drive_letter(path[0]);
    return 'C';
}

}  // namespace forms
