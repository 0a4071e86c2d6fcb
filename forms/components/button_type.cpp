// The push button type (按钮): its descriptor and interface function. Its properties are
// described in button_properties.h.
#include "forms/components/button_object.h"
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

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
    "按钮", "Button", {0, 0, 0}, 0x80000840, {0, 0, 0}, kButtonPropertyCount, kButtonDescriptors.data(),
    button_interface, {0, 0},
};

}  // namespace forms
