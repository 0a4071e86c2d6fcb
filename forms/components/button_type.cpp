// The push button type (按钮): its descriptor, with the shared interface function of
// type_operations.h. Its properties are described in button_properties.h.
#include "forms/components/button_object.h"
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"

namespace forms {

const rt::ComponentType kButtonType = {
    "按钮", "Button", {0, 0, 0}, 0x80000840, {0, 0, 0}, kButtonPropertyCount, kButtonDescriptors.data(),
    TypeOperations<ButtonObject, kButtonLayout, create_button>::operation, {0, 0},
};

}  // namespace forms
