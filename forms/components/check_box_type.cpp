// The check box (选择框) and radio button (单选框) types: their descriptors and
// interface functions. Their properties are described in check_box_properties.h; the
// radio button's table is the check box's without the two data-binding names.
#include "forms/components/check_box_object.h"
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

using CheckBoxOperations = TypeOperations<CheckObject, kCheckBoxLayout>;
using RadioOperations = TypeOperations<CheckObject, kRadioLayout>;

Operation0 check_box_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_check_box));
    default: return CheckBoxOperations::operation(op);
    }
}

Operation0 radio_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_radio_button));
    default: return RadioOperations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kCheckBoxType = {
    "选择框", "CheckBox", {0, 0, 0}, 0x80001040, {0, 0, 0}, kCheckBoxPropertyCount, kCheckBoxDescriptors.data(),
    check_box_interface, {0, 0},
};

const rt::ComponentType kRadioType = {
    "单选框", "RadioBox", {0, 0, 0}, 0x80000440, {0, 0, 0}, kRadioPropertyCount, kCheckBoxDescriptors.data(),
    radio_interface, {0, 0},
};

}  // namespace forms
