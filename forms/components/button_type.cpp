// The push button type (按钮): its property table and its interface function.
#include "forms/common_properties.h"
#include "forms/components/button_object.h"
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kButtonPropertyCount - kCommonPropertyCount>{{
    {"图片", "picture", nullptr, property_type(kCodePicture), 0},
    {"类型", "kind", nullptr, property_type(kCodeChoice), 0},
    {"标题", "caption", nullptr, property_type(kCodeText), 0},
    {"横向对齐方式", "alignment", nullptr, property_type(kCodeChoice), 0},
    {"纵向对齐方式", "verticalAlignment", nullptr, property_type(kCodeChoice), 0},
    {"字体", "font", nullptr, property_type(kCodeFont), 0},
}});
static_assert(kProperties.size() == kButtonPropertyCount);

using Operations = TypeOperations<ButtonObject, kButtonLayout>;

// The window's Enter handling asks whether this is its default button.
bool is_default_button(ComponentObject* object) {
    const auto* button = dynamic_cast<const ButtonObject*>(object);
    return button && button->is_default_button();
}

Operation0 button_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_button));
    case kOpIsDefaultButton: return as_operation(static_cast<IsDefaultButtonOp>(is_default_button));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kButtonType = {
    "按钮", "Button", {0, 0, 0}, 0x80000840, {0, 0, 0}, kButtonPropertyCount, kProperties.data(), button_interface, {0, 0},
};

}  // namespace forms
