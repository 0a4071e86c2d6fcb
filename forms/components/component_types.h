// The component types of the core library, one descriptor each; every type lives in
// its own file with its interface function.
#pragma once
#include "forms/component_type.h"

namespace forms {

extern const rt::ComponentType kWindowType;  // 窗口, type 1

}  // namespace forms
