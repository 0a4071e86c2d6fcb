#include "runtime/application.h"

#include <algorithm>

#include "runtime/at_exit.h"
#include "runtime/window_system.h"

namespace rt {
namespace {
Application g_app;
const WindowSystem* g_window_system = nullptr;
}  // namespace

bool g_loop_entered = false;

Application& app() { return g_app; }

void install_window_system(const WindowSystem* system) { g_window_system = system; }
const WindowSystem* window_system() { return g_window_system; }

void register_at_exit(AtExitFn routine) {
    auto& list = g_app.at_exit;
    if (std::find(list.begin(), list.end(), routine) == list.end()) list.push_back(routine);
}

void add_idle_callback(const IdleCallback& callback) {
    if (!callback.window || !IsWindow(callback.window) || !callback.routine) return;
    auto& list = g_app.idle_callbacks;
    for (const IdleCallback& c : list)
        if (c.window == callback.window) return;
    list.push_back(callback);
}

void remove_idle_callback(HWND window) {
    auto& list = g_app.idle_callbacks;
    std::erase_if(list, [window](const IdleCallback& c) { return c.window == window; });
}

}  // namespace rt
