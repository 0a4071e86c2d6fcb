// The platform's records of an open file, by their class numbers, as the tool reads
// and sets them through GetFileInformationByHandleEx and SetFileInformationByHandle.
#pragma once
#include <cstddef>

#include "runtime/values.h"

namespace tuner {

// FILE_STANDARD_INFO.
struct StandardInformation {
    rt::u64 allocation_size;
    rt::u64 size;
    rt::u32 links;
    unsigned char delete_pending;
    unsigned char directory;
};
static_assert(sizeof(StandardInformation) == 24, "the platform's layout");
inline constexpr rt::u32 kStandardInformation = 1;

// FILE_ATTRIBUTE_TAG_INFO.
struct AttributeInformation {
    rt::u32 attributes;
    rt::u32 reparse_tag;
};
inline constexpr rt::u32 kAttributeInformation = 9;

// FILE_DISPOSITION_INFO: one byte, true to delete the file when its handle closes.
inline constexpr rt::u32 kDispositionInformation = 4;

// FILE_RENAME_INFO for a 32-bit process, with room for a name of `Capacity` units.
template <rt::u32 Capacity>
struct RenameInformation {
    rt::u32 replace_if_exists;
    rt::u32 root_directory;
    rt::u32 name_bytes;
    wchar_t name[Capacity];

    // The bytes the platform reads: the fields, the name and its closing zero.
    rt::u32 size() const { return static_cast<rt::u32>(offsetof(RenameInformation, name)) + name_bytes + 2; }
};
static_assert(offsetof(RenameInformation<1>, name) == 12, "the platform's layout");
inline constexpr rt::u32 kRenameInformation = 3;

}  // namespace tuner
