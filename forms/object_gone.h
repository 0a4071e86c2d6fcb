// What the runtime does when a component's or a window's platform window is gone.
#pragma once
#include "forms/template_model.h"

namespace forms {

class ComponentObject;

// The object-gone service: a component's cursor is destroyed and its slots cleared;
// for the window itself (component id 0 or the window's own id) the live table goes
// back to the snapshot and the modal window id is cleared if it named this window.
// Ignored while a component is being replaced by another.
void object_gone(u32 window_id, u32 component_id);

// The window itself is gone: what the service does for the window's own record, done
// by the window object whatever else is going on.
void window_gone(u32 window_id);

// The same for a component object that is being deleted; its slots are cleared only
// while they still hold this object.
void component_gone(const ComponentObject* object);

// Set while the rebuild protocol replaces a component.
class ReplacingComponent {
public:
    ReplacingComponent();
    ~ReplacingComponent();
    ReplacingComponent(const ReplacingComponent&) = delete;
    ReplacingComponent& operator=(const ReplacingComponent&) = delete;
    static bool active();
};

}  // namespace forms
