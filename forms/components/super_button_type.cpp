// The super button type (超级按钮): its descriptor, with the shared interface function of
// type_operations.h. Its properties are described in super_button_properties.h.
#include "forms/components/super_button_type.h"

#include <array>

#include "forms/components/super_button_object.h"
#include "forms/components/type_operations.h"

namespace forms {

const rt::ComponentType kSuperButtonType = {
    "超级按钮", "SuperBtn", {0, 0, 0}, 0x00000840, {0, 0, 0}, kSuperPropertyCount, kSuperButtonDescriptors.data(),
    TypeOperations<SuperButtonObject, kSuperButtonTable, create_super_button>::operation, {0, 0},
};

}  // namespace forms
