// Rebuilding a component from its saved properties, when setting a property changed
// something the platform control cannot change in place.
#pragma once
#include "forms/window_registry.h"

namespace forms {

// Replaces the object of record `index` (not the window's own) with a new one of the
// same type, in the same place, with no events meanwhile. The old object stays when
// the new one cannot be made.
void rebuild_component(WindowDescriptor& window, int index);

}  // namespace forms
