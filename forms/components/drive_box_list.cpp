#include "forms/components/drive_box_list.h"

#include <windows.h>

#include "forms/components/drive_box_properties.h"
#include "forms/components/drive_read_ahead.h"
#include "runtime/platform_text.h"

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

// Shown only, never used as a name: a character GBK cannot hold shows as '?'.
std::string volume_label(const wchar_t* root) {
    wchar_t label[kLabelCapacity + 1] = {};
    if (!GetVolumeInformationW(root, label, kLabelCapacity, nullptr, nullptr, nullptr, nullptr, 0)) return {};
    return rt::from_platform(label);
}

// A drive letter the platform hands back, upper case; 0 for anything but ASCII.
char drive_letter_of(wchar_t c) { return c < 0x80 ? upper_drive_letter(static_cast<char>(c)) : 0; }

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
    wchar_t roots[kDriveStringsCapacity + 1] = {};
    const DWORD n = GetLogicalDriveStringsW(kDriveStringsCapacity, roots);
    std::vector<DriveFacts> drives;
    if (n == 0 || n > kDriveStringsCapacity) return drives;
    for (wchar_t* root = roots; *root; root += lstrlenW(root) + 1) {
        const char letter = drive_letter_of(root[0]);
        if (!letter) continue;
        const UINT type = GetDriveTypeW(root);
        if (!drive_kind_listed(filter, type)) continue;
        drives.push_back({letter, type, type == DRIVE_FIXED ? volume_label(root) : std::string()});
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
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD n = GetCurrentDirectoryW(MAX_PATH, path);
    if (n >= 2 && n <= MAX_PATH && path[1] == L':' && drive_letter_of(path[0])) return drive_letter_of(path[0]);
    if (GetSystemWindowsDirectoryW(path, MAX_PATH) >= 2 && path[1] == L':' && drive_letter_of(path[0]))
        return drive_letter_of(path[0]);
    return 'C';
}

}  // namespace forms
