#include "forms/template_types.h"

#include "forms/template_archive.h"

namespace forms {

namespace {

struct VersionRow {
    u32 type_id;
    int max_version;
};

constexpr VersionRow kMaxVersions[] = {
    {kTypeWindow, 6},
    {kTypeGroupBox, 1},
    {kTypeLabel, 2},
    {kTypeButton, 1},
    {kTypeCheckBox, 2},
    {kTypeRadioBox, 1},
    {kTypeDriveBox, 1},
    {kTypeSuperButton, 2},
};

}  // namespace

int max_property_version(u32 type_id) {
    for (const VersionRow& row : kMaxVersions)
        if (row.type_id == type_id) return row.max_version;
    return -1;
}

PropertyVersion check_property_version(u32 type_id, const ByteBlock& property_data) {
    int max = max_property_version(type_id);
    if (max < 0) return PropertyVersion::kUnreadable;
    if (property_data.empty()) return PropertyVersion::kDefaults;
    if (property_data.size() < 4) return PropertyVersion::kUnreadable;
    u32 version = load_u32(property_data.data());
    return version > static_cast<u32>(max) ? PropertyVersion::kTooNew : PropertyVersion::kAccepted;
}

}  // namespace forms
