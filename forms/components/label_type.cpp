// The label type (标签): its descriptor, with the shared interface function of
// type_operations.h. Its properties are described in label_properties.h.
#include "forms/components/component_types.h"
#include "forms/components/label_object.h"
#include "forms/components/type_operations.h"

namespace forms {

const rt::ComponentType kLabelType = {
    "标签", "Label", {0, 0, 0}, 0x84012040, {0, 0, 0}, kLabelPropertyCount, kLabelDescriptors.data(),
    TypeOperations<LabelObject, kLabelLayout, create_label>::operation, {0, 0},
};

}  // namespace forms
