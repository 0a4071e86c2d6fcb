#include "forms/window_base.h"

#include <algorithm>
#include <vector>

#include "forms/window_registry.h"

namespace forms {
namespace {

// Every window object that exists, for the end sequence.
std::vector<WindowBase*> g_windows;

}  // namespace

WindowBase::WindowBase(const rt::ComponentType* type, u32 window_id, u32 component_id)
    : ComponentObject(type, window_id, component_id) {
    g_windows.push_back(this);
}

WindowBase::~WindowBase() { std::erase(g_windows, this); }

WindowBase* WindowBase::of(u32 window_id) { return dynamic_cast<WindowBase*>(live_object(window_id, 0)); }

void WindowBase::destroy_all() {
    const std::vector<WindowBase*> all = g_windows;
    for (WindowBase* w : all)
        if (std::find(g_windows.begin(), g_windows.end(), w) != g_windows.end() && w->hwnd() && IsWindow(w->hwnd()))
            DestroyWindow(w->hwnd());
}

bool window_drags_by_components(u32 window_id) {
    const WindowBase* w = WindowBase::of(window_id);
    return w && w->drags_by_components();
}

}  // namespace forms
