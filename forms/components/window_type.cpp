// The window type (窗口): its descriptor, with the shared interface function of
// type_operations.h. Its properties are described in window_properties.h.
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"
#include "forms/components/window_object.h"

namespace forms {

const rt::ComponentType kWindowType = {
    "窗口", "window", {0, 0, 0}, 0x800000D0, {0, 0, 0}, kWindowPropertyCount, kWindowDescriptors.data(),
    TypeOperations<WindowObject, kWindowTable, create_window_component>::operation, {0, 0},
};

}  // namespace forms
