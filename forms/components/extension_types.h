// The component type table of the second support library (界面扩展库): type number
// n is entry n - 1.
// The program hands it to the runtime with its support libraries.
#pragma once
#include "forms/component_type.h"

namespace forms {

inline constexpr rt::i32 kExtensionTypeCount = 1;

const rt::ComponentType* const* extension_component_types();

}  // namespace forms
