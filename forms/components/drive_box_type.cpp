// The drive box type (驱动器框): its property table and its interface function.
#include <array>
#include <cstring>

#include "forms/common_properties.h"
#include "forms/components/component_types.h"
#include "forms/components/drive_box_object.h"
#include "runtime/texts.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kDrivePropertyCount - 8>{{
    {"当前驱动器", "Drive", nullptr, property_type(kCodeText), 0},
    {"驱动器类型", "DriveType", nullptr, property_type(kCodeChoice), 0},
    {"文本颜色", "ForeColor", nullptr, property_type(kCodeTextColour), 0},
    {"背景颜色", "BackColor", nullptr, property_type(kCodeBackColour), 0},
    {"字体", "Font", nullptr, property_type(kCodeFont), 0},
}});
static_assert(kProperties.size() == kDrivePropertyCount);

DriveBoxObject* as_drive_box(ComponentObject* object) { return dynamic_cast<DriveBoxObject*>(object); }

u32 set_property(ComponentObject* object, i32 index, const ValueRecord* value, u32 /*reserved*/) {
    DriveBoxObject* box = as_drive_box(object);
    return box && value ? box->set_property(index, *value) : 0;
}

bool get_property(ComponentObject* object, i32 index, ValueRecord* out) {
    DriveBoxObject* box = as_drive_box(object);
    return box && out && box->get_property(index, out);
}

rt::ByteSetHeader* save_properties(ComponentObject* object) {
    const DriveBoxObject* box = as_drive_box(object);
    if (!box) return nullptr;
    const ByteBlock block = write_drive_box_properties(box->properties());
    return rt::make_byte_set(block.data(), static_cast<i32>(block.size()));
}

// The font's face name is the only text a drive box holds.
void enumerate_texts(ComponentObject* object, const std::uint8_t* data, u32 length, TextCallback callback,
                     void* context) {
    if (!callback) return;
    DriveBoxProperties read;
    const DriveBoxProperties* p = nullptr;
    if (const DriveBoxObject* box = as_drive_box(object))
        p = &box->properties();
    else if (read_drive_box_properties(data, length, &read))
        p = &read;
    if (!p || p->font.size() != sizeof(LOGFONTA)) return;
    // Stored fonts come from template data: do not trust the face to end in a zero.
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, reinterpret_cast<const LOGFONTA*>(p->font.data())->lfFaceName, LF_FACESIZE);
    callback(face, context);
}

Operation0 drive_box_interface(i32 op) {
    switch (op) {
    case kOpCreate: return reinterpret_cast<Operation0>(static_cast<CreateOp>(create_drive_box));
    case kOpSetProperty: return reinterpret_cast<Operation0>(static_cast<SetPropertyOp>(set_property));
    case kOpSaveProperties: return reinterpret_cast<Operation0>(static_cast<SavePropertiesOp>(save_properties));
    case kOpGetProperty: return reinterpret_cast<Operation0>(static_cast<GetPropertyOp>(get_property));
    case kOpEnumerateTexts: return reinterpret_cast<Operation0>(static_cast<EnumerateTextsOp>(enumerate_texts));
    default: return nullptr;
    }
}

}  // namespace

const rt::ComponentType kDriveBoxType = {
    "驱动器框", "DriverBox", {0, 0, 0}, 0x80000040, {0, 0, 0}, kDrivePropertyCount, kProperties.data(),
    drive_box_interface, {0, 0},
};

}  // namespace forms
