// The check box (选择框) and radio button (单选框) types: their descriptors, with the shared
// interface functions of type_operations.h. Their properties are described in
// check_box_properties.h; the radio button's table is the check box's without the two
// data-binding names.
#include "forms/components/check_box_object.h"
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"

namespace forms {

const rt::ComponentType kCheckBoxType = {
    "选择框", "CheckBox", {0, 0, 0}, 0x80001040, {0, 0, 0}, kCheckBoxPropertyCount, kCheckBoxDescriptors.data(),
    TypeOperations<CheckObject, kCheckBoxLayout, create_check_box>::operation, {0, 0},
};

const rt::ComponentType kRadioType = {
    "单选框", "RadioBox", {0, 0, 0}, 0x80000440, {0, 0, 0}, kRadioPropertyCount, kCheckBoxDescriptors.data(),
    TypeOperations<CheckObject, kRadioLayout, create_radio_button>::operation, {0, 0},
};

}  // namespace forms
