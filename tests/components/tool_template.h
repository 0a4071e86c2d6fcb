// The tool's own window, as its embedded template holds it: its bindings are slots of
// the tool's handler table, which the test programs' logging table covers.
#pragma once
#include "forms/template_model.h"

namespace component_test {

forms::WindowEntry tool_window();
// The property data block the tool's template stores for a component.
forms::ByteBlock template_block(forms::u32 component_id);

}  // namespace component_test
