#include "runtime/message_loop.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "runtime/application.h"
#include "runtime/window_system.h"

namespace rt {
namespace {

constexpr UINT kSysTimer = 0x0118;  // the caret blink timer: not user activity

struct IdlePeriod {
    DWORD start = 0;
    std::vector<u32> declined;
    bool framework_enabled = true;
    POINT last_mouse = {-1, -1};
    UINT last_mouse_message = 0;
} g_idle;

// Our framework keeps no temporary objects to clean up, so its own idle work is
// done at once.
bool framework_idle(i32 /*count*/) { return false; }

// Paint, the caret timer and mouse moves that did not move do not restart idle time.
bool resets_idle(const MSG& m) {
    if (m.message == WM_PAINT || m.message == kSysTimer) return false;
    if (m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE) {
        const POINT p = m.pt;
        const bool same = p.x == g_idle.last_mouse.x && p.y == g_idle.last_mouse.y &&
                          m.message == g_idle.last_mouse_message;
        g_idle.last_mouse = p;
        g_idle.last_mouse_message = m.message;
        return !same;
    }
    return true;
}

void dispatch(MSG& m) {
    const WindowSystem* ws = window_system();
    if (ws && ws->pre_translate && ws->pre_translate(&m)) return;
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

bool quit_is_next() {
    MSG m;
    return PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE) && m.message == WM_QUIT;
}

// Returns when the loop should end: the quit message for the outer loop, the
// modal window id cleared or a quit message next for the modal form.
void loop(bool modal) {
    const Application& a = app();
    bool idle = true;
    i32 idle_count = 0;
    MSG m;
    for (;;) {
        while (idle && !PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE)) {
            run_idle_callbacks();
            if (!application_idle(idle_count)) idle = false;
            ++idle_count;
            if (modal && a.modal_window_id == 0) return;
        }
        do {
            if (modal && quit_is_next()) return;
            if (GetMessageW(&m, nullptr, 0, 0) <= 0) return;  // WM_QUIT
            dispatch(m);
            if (resets_idle(m)) {
                idle = true;
                idle_count = 0;
            }
            if (modal && a.modal_window_id == 0) return;
        } while (PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE));
    }
}

}  // namespace

// Walks a snapshot of the list, last to first, so that a routine adding or removing
// entries cannot shift the walk: each entry runs at most once per pass, one removed
// before its turn not at all, and one added waits for the next pass.
void run_idle_callbacks() {
    auto& list = app().idle_callbacks;
    const std::vector<IdleCallback> snapshot = list;
    for (size_t i = snapshot.size(); i-- > 0;) {
        const IdleCallback& c = snapshot[i];
        const auto live = std::find_if(list.begin(), list.end(), [&c](const IdleCallback& entry) {
            return entry.window == c.window && entry.routine == c.routine && entry.argument == c.argument;
        });
        if (live == list.end()) continue;
        if (IsWindow(c.window))
            c.routine(c.argument);
        else
            list.erase(live);
    }
}

bool application_idle(i32 idle_count) {
    if (idle_count == 0) {
        g_idle.start = GetTickCount();
        g_idle.declined.clear();
        g_idle.framework_enabled = true;
    }
    if (g_idle.framework_enabled) {
        if (!framework_idle(idle_count)) g_idle.framework_enabled = false;
        return true;
    }
    if (idle_count <= 1) return true;

    const WindowSystem* ws = window_system();
    if (!ws || !ws->loaded_window_ids || !ws->offer_idle) return false;
    const u32 elapsed = GetTickCount() - g_idle.start;
    bool any_accepted = false;
    for (u32 id : ws->loaded_window_ids()) {
        if (std::find(g_idle.declined.begin(), g_idle.declined.end(), id) != g_idle.declined.end()) continue;
        if (ws->offer_idle(id, elapsed))
            any_accepted = true;
        else
            g_idle.declined.push_back(id);
    }
    return any_accepted;
}

void run_message_loop() {
    g_loop_entered = true;
    const WindowSystem* ws = window_system();
    if (!ws || !ws->any_window_alive || !ws->any_window_alive()) return;
    loop(false);
}

void run_modal_loop(u32 modal_window_id) {
    Application& a = app();
    const u32 saved = a.modal_window_id;
    a.modal_window_id = modal_window_id;
    loop(true);
    a.modal_window_id = saved;
}

void process_pending_messages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE) && m.message != WM_QUIT) {
        if (!PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) break;
        dispatch(m);
    }
}

}  // namespace rt
