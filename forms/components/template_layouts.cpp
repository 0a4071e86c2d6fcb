// The layout text in a section of its own, for the build to copy out of this object
// into template_layouts.json; nothing links this object.
#include "forms/components/template_layouts.h"

[[gnu::section(".layouts"), gnu::used]] constexpr auto kTemplateLayouts = forms::layout_text();
