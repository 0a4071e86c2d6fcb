// The component type table of the core support library (核心库): type number n is
// entry n - 1; types this runtime does not provide are null.
// The program hands it to the runtime with its support libraries.
#pragma once
#include "forms/component_type.h"

namespace forms {

inline constexpr rt::i32 kCoreTypeCount = 25;

const rt::ComponentType* const* core_component_types();

}  // namespace forms
