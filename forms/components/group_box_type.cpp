// The group box type (分组框): its property table and its interface function.
#include "forms/common_properties.h"
#include "forms/components/component_types.h"
#include "forms/components/group_box_object.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kGroupPropertyCount - kCommonPropertyCount>{{
    {"标题", "caption", nullptr, property_type(kCodeText), 0},
    {"标题对齐方式", "alignment", nullptr, property_type(kCodeChoice), 0},
    {"标题颜色", "captionColor", nullptr, property_type(kCodeTextColour), 0},
    {"背景颜色", "backColor", nullptr, property_type(kCodeBackColour), 0},
    {"字体", "font", nullptr, property_type(kCodeFont), 0},
}});
static_assert(kProperties.size() == kGroupPropertyCount);

using Operations = TypeOperations<GroupBoxObject, kGroupBoxLayout>;

Operation0 group_box_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_group_box));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kGroupBoxType = {
    "分组框", "GroupBox", {0, 0, 0}, 0x840140C0, {0, 0, 0}, kGroupPropertyCount, kProperties.data(),
    group_box_interface, {0, 0},
};

}  // namespace forms
