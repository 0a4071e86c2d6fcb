#include "forms/components/extension_types.h"

#include "forms/components/super_button_type.h"

namespace forms {
namespace {

const rt::ComponentType* const kExtensionTypes[kExtensionTypeCount] = {
    &kSuperButtonType,  // 1 超级按钮
};

}  // namespace

const rt::ComponentType* const* extension_component_types() { return kExtensionTypes; }

}  // namespace forms
