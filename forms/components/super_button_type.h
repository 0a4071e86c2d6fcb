// The super button's type descriptor: type 1 of the interface extension library.
#pragma once
#include "forms/component_type.h"

namespace forms {

extern const rt::ComponentType kSuperButtonType;  // 超级按钮

}  // namespace forms
