// The window type (窗口): its descriptor and interface function. Its properties are
// described in window_properties.h.
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"
#include "forms/components/window_object.h"

namespace forms {
namespace {

using Operations = TypeOperations<WindowObject, kWindowTable>;

Operation0 window_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_window_component));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kWindowType = {
    "窗口", "window", {0, 0, 0}, 0x800000D0, {0, 0, 0}, kWindowPropertyCount, kWindowDescriptors.data(),
    window_interface, {0, 0},
};

}  // namespace forms
