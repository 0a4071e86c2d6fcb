// The check box (选择框) and radio button (单选框) types: their property tables and
// interface functions. The radio button's table is the check box's without the two
// data-binding names.
#include "forms/common_properties.h"
#include "forms/components/check_box_object.h"
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kCheckBoxPropertyCount - kCommonPropertyCount>{{
    {"图片", "picture", nullptr, property_type(kCodePicture), 0},
    {"按钮形式", "pushLike", nullptr, property_type(kCodeLogical), 0},
    {"平面", "flat", nullptr, property_type(kCodeLogical), 0},
    {"标题", "caption", nullptr, property_type(kCodeText), 0},
    {"标题居左", "textOnLeft", nullptr, property_type(kCodeLogical), 0},
    {"横向对齐方式", "alignment", nullptr, property_type(kCodeChoice), 0},
    {"纵向对齐方式", "verticalAlignment", nullptr, property_type(kCodeChoice), 0},
    {"文本颜色", "textColor", nullptr, property_type(kCodeTextColour), 0},
    {"背景颜色", "backColor", nullptr, property_type(kCodeBackColour), 0},
    {"字体", "font", nullptr, property_type(kCodeFont), 0},
    {"选中", "checked", nullptr, property_type(kCodeLogical), 0},
    {"数据源", "dataSource", nullptr, property_type(kCodeDataSource), 0},
    {"数据列", "dataColumn", nullptr, property_type(kCodeDataColumn), 0},
}});
static_assert(kProperties.size() == kCheckBoxPropertyCount);

using CheckBoxOperations = TypeOperations<CheckObject, kCheckBoxLayout>;
using RadioOperations = TypeOperations<CheckObject, kRadioLayout>;

Operation0 check_box_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_check_box));
    default: return CheckBoxOperations::operation(op);
    }
}

Operation0 radio_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_radio_button));
    default: return RadioOperations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kCheckBoxType = {
    "选择框", "CheckBox", {0, 0, 0}, 0x80001040, {0, 0, 0}, kCheckBoxPropertyCount, kProperties.data(),
    check_box_interface, {0, 0},
};

const rt::ComponentType kRadioType = {
    "单选框", "RadioBox", {0, 0, 0}, 0x80000440, {0, 0, 0}, kRadioPropertyCount, kProperties.data(),
    radio_interface, {0, 0},
};

}  // namespace forms
