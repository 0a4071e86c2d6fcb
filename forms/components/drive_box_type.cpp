// The drive box type (驱动器框): its property table and its interface function.
#include <array>

#include "forms/common_properties.h"
#include "forms/components/component_types.h"
#include "forms/components/drive_box_object.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kDrivePropertyCount - kCommonPropertyCount>{{
    {"当前驱动器", "Drive", nullptr, property_type(kCodeText), 0},
    {"驱动器类型", "DriveType", nullptr, property_type(kCodeChoice), 0},
    {"文本颜色", "ForeColor", nullptr, property_type(kCodeTextColour), 0},
    {"背景颜色", "BackColor", nullptr, property_type(kCodeBackColour), 0},
    {"字体", "Font", nullptr, property_type(kCodeFont), 0},
}});
static_assert(kProperties.size() == kDrivePropertyCount);

using Operations = TypeOperations<DriveBoxObject, kDriveBoxTable>;

Operation0 drive_box_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_drive_box));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kDriveBoxType = {
    "驱动器框", "DriverBox", {0, 0, 0}, 0x80000040, {0, 0, 0}, kDrivePropertyCount, kProperties.data(),
    drive_box_interface, {0, 0},
};

}  // namespace forms
