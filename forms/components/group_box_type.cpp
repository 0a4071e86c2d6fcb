// The group box type (分组框): its descriptor and interface function. Its properties are
// described in group_box_properties.h.
#include "forms/components/component_types.h"
#include "forms/components/group_box_object.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

using Operations = TypeOperations<GroupBoxObject, kGroupBoxLayout>;

Operation0 group_box_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_group_box));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kGroupBoxType = {
    "分组框", "GroupBox", {0, 0, 0}, 0x840140C0, {0, 0, 0}, kGroupPropertyCount, kGroupBoxDescriptors.data(),
    group_box_interface, {0, 0},
};

}  // namespace forms
