// The super button type (超级按钮): its descriptor and interface function. Its properties are
// described in super_button_properties.h.
#include "forms/components/super_button_type.h"

#include <array>

#include "forms/components/super_button_object.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

using Operations = TypeOperations<SuperButtonObject, kSuperButtonTable>;

bool is_default_button(ComponentObject* object) {
    const auto* button = dynamic_cast<const SuperButtonObject*>(object);
    return button && button->is_default_button();
}

Operation0 super_button_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_super_button));
    case kOpIsDefaultButton: return as_operation(static_cast<IsDefaultButtonOp>(is_default_button));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kSuperButtonType = {
    "超级按钮", "SuperBtn", {0, 0, 0}, 0x00000840, {0, 0, 0}, kSuperPropertyCount, kSuperButtonDescriptors.data(),
    super_button_interface, {0, 0},
};

}  // namespace forms
