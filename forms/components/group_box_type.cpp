// The group box type (分组框): its descriptor, with the shared interface function of
// type_operations.h. Its properties are described in group_box_properties.h.
#include "forms/components/component_types.h"
#include "forms/components/group_box_object.h"
#include "forms/components/type_operations.h"

namespace forms {

const rt::ComponentType kGroupBoxType = {
    "分组框", "GroupBox", {0, 0, 0}, 0x840140C0, {0, 0, 0}, kGroupPropertyCount, kGroupBoxDescriptors.data(),
    TypeOperations<GroupBoxObject, kGroupBoxLayout, create_group_box>::operation, {0, 0},
};

}  // namespace forms
