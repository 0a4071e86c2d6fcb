// The label type (标签): its descriptor and interface function. Its properties are
// described in label_properties.h.
#include "forms/components/component_types.h"
#include "forms/components/label_object.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

using Operations = TypeOperations<LabelObject, kLabelLayout>;

Operation0 label_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_label));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kLabelType = {
    "标签", "Label", {0, 0, 0}, 0x84012040, {0, 0, 0}, kLabelPropertyCount, kLabelDescriptors.data(),
    label_interface, {0, 0},
};

}  // namespace forms
