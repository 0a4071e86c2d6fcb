#include "forms/loader.h"

#include <vector>

#include "forms/component_object.h"
#include "forms/cursor_value.h"
#include "forms/event_dispatch.h"
#include "forms/record_fields.h"
#include "forms/window_base.h"
#include "forms/window_registry.h"
#include "runtime/application.h"
#include "runtime/message_loop.h"

namespace forms {
namespace {

// What one load keeps while it builds.
struct Build {
    WindowDescriptor* window;
    HWND owner;
    bool modal;
    std::vector<bool> visible;  // per record, applied once everything is placed
    u32 created = 0;  // components so far

    int count() const { return static_cast<int>(window->live.records.size()); }
    ByteBlock& record(int i) { return window->live.records[i]; }
    bool is_component(int i) const { return !is_menu_item_id(window->live.ids[i]); }
    ComponentObject* object(int i) const { return slot_object(*window, i); }
    HWND hwnd(int i) const { return object(i) ? object(i)->hwnd() : nullptr; }
};

// The record index of record i's container; -1 when it sits on the window itself.
int container_of(Build& b, int i) {
    const u32 container = read_fixed(b.record(i), Fixed::Container);
    return container ? b.window->live.find(container) : -1;
}

u32 style_of(u32 state_flags) {
    u32 style = 0;
    if (state_flags & kStateDisabled) style |= WS_DISABLED;
    if (state_flags & kStateTabStop) style |= WS_TABSTOP;
    return style;
}

// Creates record i's object through its type; false when the type is unknown, has
// no create operation or creation fails.
bool create_object(Build& b, int i) {
    RecordView view;
    if (!parse_record(b.record(i), &view)) return false;
    const rt::ComponentType* type = find_type(view.type_id);
    const auto create = operation<CreateOp>(type, kOpCreate);
    if (!create) return false;
    b.visible[i] = (view.state_flags & kStateVisible) && !(type->flags & kFlagNeverShown);

    CreateRequest request = {};
    request.data = view.property_data.data();
    request.length = static_cast<u32>(view.property_data.size());
    request.style = style_of(view.state_flags);
    request.left = view.left;
    request.top = view.top;
    request.width = view.width;
    request.height = view.height;
    request.window_id = b.window->window_id;
    request.component_id = b.window->live.ids[i];
    if (i == 0) {
        request.parent = b.owner;
        request.modal = b.modal;
    } else {
        // A component whose container already stands is made inside it: moving it
        // there afterwards costs the window server a dozen round trips per component.
        const int c = container_of(b, i);
        request.parent = c > i && b.hwnd(c) ? b.hwnd(c) : b.hwnd(0);
        request.control_id = control_id(b.created++);
    }
    ComponentObject* object = create(request);
    if (!object) return false;
    write_fixed(b.record(i), Fixed::Object, reinterpret_cast<u32>(object));
    return true;
}

// Components come before their containers in record order, and are made after them;
// one that came after its container is moved into it here.
void reparent(Build& b) {
    for (int i = 1; i < b.count(); ++i) {
        const int c = container_of(b, i);
        if (c > 0 && c < i && b.hwnd(i) && b.hwnd(c)) SetParent(b.hwnd(i), b.hwnd(c));
    }
}

// Children of a paged container after its first separator belong to later pages.
void hide_later_pages(Build& b) {
    for (int i = 1; i < b.count(); ++i) {
        ComponentObject* object = b.object(i);
        if (!object || !(object->type()->flags & kFlagPaged)) continue;
        RecordView view;
        if (!parse_record(b.record(i), &view)) continue;
        bool later = false;
        for (u32 id : view.children) {
            if (id == 0) {
                later = true;
            } else if (later) {
                const int child = b.window->live.find(id);
                if (child > 0) b.visible[child] = false;
            }
        }
    }
}

// Within one container the record order is the z-order, first record on top.
void order_z(Build& b) {
    constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    for (int i = 1; i < b.count(); ++i) {
        if (!b.hwnd(i)) continue;
        const u32 container = read_fixed(b.record(i), Fixed::Container);
        HWND after = HWND_TOP;
        for (int j = i - 1; j >= 1; --j)
            if (b.hwnd(j) && read_fixed(b.record(j), Fixed::Container) == container) {
                after = b.hwnd(j);
                break;
            }
        SetWindowPos(b.hwnd(i), after, 0, 0, 0, 0, kFlags);
    }
}

void make_cursors(Build& b) {
    for (int i = 0; i < b.count(); ++i) {
        if (!b.is_component(i)) continue;
        RecordView view;
        if (!parse_record(b.record(i), &view)) continue;
        release_cursor(reinterpret_cast<HCURSOR>(read_fixed(b.record(i), Fixed::Cursor)));
        write_fixed(b.record(i), Fixed::Cursor, reinterpret_cast<u32>(make_cursor(view.cursor_data)));
    }
}

void send_to_all(Build& b, UINT message) {
    for (int i = b.count() - 1; i >= 0; --i)
        if (ComponentObject* object = live_object(*b.window, i)) SendMessageW(object->hwnd(), message, 0, 0);
}

// After a failed creation nothing of the attempt stays: the window takes its
// components with it, and the live table goes back to the snapshot.
bool abandon(Build& b) {
    const u32 id = b.window->window_id;
    if (HWND window = b.hwnd(0); window && IsWindow(window)) DestroyWindow(window);
    if (WindowDescriptor* d = find_descriptor(id)) restore_snapshot(*d);
    --rt::app().loading_counter;
    return false;
}

// The got-focus event for whatever holds the focus once the window shows.
void raise_initial_focus(Build& b) {
    HWND focus = GetFocus();
    if (!focus) return;
    if (focus == b.hwnd(0)) {
        raise_event(b.window->window_id, b.window->live.ids[0], kEventGotFocus);
        return;
    }
    for (int i = 1; i < b.count(); ++i) {
        ComponentObject* object = live_object(*b.window, i);
        if (object && (object->hwnd() == focus || IsChild(object->hwnd(), focus))) {
            if (!object->focus_event_raised()) object->raise(kEventGotFocus);
            return;
        }
    }
}

}  // namespace

bool load_window(u32 window_id, HWND owner, bool modal) {
    WindowDescriptor* window = find_descriptor(window_id);
    if (!window || window->live.ids.empty()) return false;

    if (ComponentObject* existing = live_object(*window, 0)) {
        if (IsIconic(existing->hwnd()))
            ShowWindow(existing->hwnd(), SW_RESTORE);
        else
            SetActiveWindow(existing->hwnd());
        return true;
    }
    if (modal) owner = nullptr;
    if (owner && !IsWindow(owner)) return false;

    rt::Application& a = rt::app();
    ++a.loading_counter;
    window->snapshot = window->live;
    window->has_snapshot = true;

    Build b{window, owner, modal, std::vector<bool>(window->live.records.size(), false)};
    if (!create_object(b, 0) || !dynamic_cast<WindowBase*>(b.object(0))) return abandon(b);
    for (int i = b.count() - 1; i >= 1; --i)
        if (b.is_component(i) && !create_object(b, i)) return abandon(b);

    reparent(b);
    hide_later_pages(b);
    order_z(b);
    make_cursors(b);
    send_to_all(b, kMsgComponentCreated);
    SendMessageW(b.hwnd(0), kMsgWindowBuilt, 0, 0);
    for (int i = 1; i < b.count(); ++i)
        if (HWND h = b.hwnd(i)) ShowWindow(h, b.visible[i] ? SW_SHOWNA : SW_HIDE);
    --a.loading_counter;

    // Handlers may close the window at any point from here on.
    auto* object = dynamic_cast<WindowBase*>(b.object(0));
    const HWND hwnd = object->hwnd();
    const auto alive = [&] { return IsWindow(hwnd) && WindowBase::of(window_id) == object; };
    raise_event(window_id, window->live.ids[0], kWindowCreated);
    if (alive()) raise_event(window_id, window->live.ids[0], kWindowMoved);
    if (alive()) raise_event(window_id, window->live.ids[0], kWindowResized);
    if (alive() && b.visible[0]) {
        object->show_by_start_position();
        if (alive()) raise_initial_focus(b);
    }
    if (!alive()) return true;
    if (modal) object->make_modal();

    HWND focus_before = GetFocus();
    send_to_all(b, kMsgPrepareFocus);
    if (focus_before && IsWindow(focus_before) && GetFocus() != focus_before) SetFocus(focus_before);
    if (!alive()) return true;
    object->mark_loaded();

    if (modal) rt::run_modal_loop(window_id);
    return true;
}

}  // namespace forms
