#include "forms/common_properties.h"

#include <windows.h>

#include <algorithm>

#include "forms/component_object.h"
#include "forms/cursor_value.h"
#include "forms/display_scale.h"
#include "forms/record_fields.h"
#include "forms/value_conversion.h"
#include "forms/window_base.h"
#include "runtime/texts.h"

namespace forms {
namespace {

constexpr Fixed kGeometry[] = {Fixed::Left, Fixed::Top, Fixed::Width, Fixed::Height};

// The window rectangle in its parent's client coordinates (screen ones for a
// top-level window).
RECT rect_in_parent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The platform window's rectangle in template pixels, and back: components at their
// parent's DPI, a top-level window's outer size with the frame of its own DPI.
bool top_level(HWND window) { return !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD); }

// One way or the other: `scale` a child's lengths, `outer` a top-level window's size.
RECT scaled_rect(HWND window, const RECT& r, int (*scale)(int, int), SIZE (*outer)(SIZE, DWORD, DWORD, int)) {
    const int dpi = dpi_of(top_level(window) ? window : GetAncestor(window, GA_PARENT));
    SIZE size = {r.right - r.left, r.bottom - r.top};
    size = top_level(window) ? outer(size, GetWindowLongW(window, GWL_STYLE), GetWindowLongW(window, GWL_EXSTYLE), dpi)
                             : SIZE{scale(size.cx, dpi), scale(size.cy, dpi)};
    const LONG left = scale(r.left, dpi), top = scale(r.top, dpi);
    return {left, top, left + size.cx, top + size.cy};
}

RECT template_rect(HWND window, const RECT& r) { return scaled_rect(window, r, to_template, outer_to_template); }
RECT device_rect(HWND window, const RECT& r) { return scaled_rect(window, r, to_device, outer_to_device); }

i32 geometry_of(const RECT& r, i32 property) {
    switch (property) {
    case kPropLeft: return r.left;
    case kPropTop: return r.top;
    case kPropWidth: return r.right - r.left;
    default: return r.bottom - r.top;
    }
}

// A component on a page of a paged container that is not the page shown.
bool on_hidden_page(const WindowDescriptor& window, int index) {
    const u32 container = read_fixed(window.live.records[index], Fixed::Container);
    const int c = container ? window.live.find(container) : -1;
    const ComponentObject* owner = live_object(window, c);
    if (!owner || !(owner->type()->flags & kFlagPaged)) return false;
    RecordView view;
    if (!parse_record(window.live.records[c], &view)) return false;
    int page = 0;
    for (u32 id : view.children) {
        if (id == 0)
            ++page;
        else if (id == window.live.ids[index])
            return page != owner->current_page();
    }
    return false;
}

void show(WindowDescriptor& window, int index, ComponentObject* object, bool visible) {
    if (!visible) {
        ShowWindow(object->hwnd(), SW_HIDE);
    } else if (index == 0) {
        if (auto* w = dynamic_cast<WindowBase*>(object)) w->show_by_start_position();
    } else if (!(object->type()->flags & kFlagNeverShown) && !on_hidden_page(window, index)) {
        ShowWindow(object->hwnd(), SW_SHOW);
    }
}

void write_geometry(ByteBlock& record, ComponentObject* object, i32 property, i32 value) {
    const bool position = property == kPropLeft || property == kPropTop;
    value = position ? std::clamp(value, -kPositionLimit, kPositionLimit) : std::clamp(value, 0, kPositionLimit);
    write_fixed(record, kGeometry[property], static_cast<u32>(value));
    if (!object) return;
    // The other three stay as the platform window has them.
    RECT r = template_rect(object->hwnd(), rect_in_parent(object->hwnd()));
    switch (property) {
    case kPropLeft: OffsetRect(&r, value - r.left, 0); break;
    case kPropTop: OffsetRect(&r, 0, value - r.top); break;
    case kPropWidth: r.right = r.left + value; break;
    default: r.bottom = r.top + value; break;
    }
    r = device_rect(object->hwnd(), r);
    SetWindowPos(object->hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 (position ? SWP_NOSIZE : SWP_NOMOVE) | SWP_NOZORDER | SWP_NOACTIVATE);
}

void write_cursor(ByteBlock& record, ComponentObject* object, u32 byte_set) {
    ByteBlock data = bytes_of_set(byte_set);
    cursor_to_platform(data);
    release_cursor(reinterpret_cast<HCURSOR>(read_fixed(record, Fixed::Cursor)));
    write_fixed(record, Fixed::Cursor, 0);
    change_record(record, [&](RecordView& v) { v.cursor_data = data; });
    // An unloaded window makes its cursors when it loads.
    if (!object) return;
    write_fixed(record, Fixed::Cursor, reinterpret_cast<u32>(make_cursor(data)));
    POINT p;
    if (GetCursorPos(&p)) SetCursorPos(p.x, p.y);  // shows the new pointer at once
}

}  // namespace

rt::u64 read_common_property(WindowDescriptor& window, int index, i32 property) {
    ByteBlock& record = window.live.records[index];
    ComponentObject* object = live_object(window, index);
    if (property <= kPropHeight) {
        const i32 v = object ? geometry_of(template_rect(object->hwnd(), rect_in_parent(object->hwnd())), property)
                             : read_fixed_int(record, kGeometry[property]);
        return static_cast<u32>(v);
    }
    RecordView view;
    if (!parse_record(record, &view)) return 0;
    switch (property) {
    case kPropTag: return reinterpret_cast<u32>(rt::copy_text(view.tag.c_str()));
    case kPropVisible:
        return object ? ((GetWindowLongW(object->hwnd(), GWL_STYLE) & WS_VISIBLE) ? 1 : 0)
                      : (view.state_flags & kStateVisible ? 1 : 0);
    case kPropDisabled:
        return object ? (IsWindowEnabled(object->hwnd()) ? 0 : 1) : (view.state_flags & kStateDisabled ? 1 : 0);
    case kPropCursor: {
        cursor_to_stock(view.cursor_data);
        return reinterpret_cast<u32>(
            rt::make_byte_set(view.cursor_data.data(), static_cast<i32>(view.cursor_data.size())));
    }
    default: return 0;
    }
}

void write_common_property(WindowDescriptor& window, int index, i32 property, u32 lo) {
    ByteBlock& record = window.live.records[index];
    ComponentObject* object = live_object(window, index);
    switch (property) {
    case kPropLeft:
    case kPropTop:
    case kPropWidth:
    case kPropHeight: write_geometry(record, object, property, static_cast<i32>(lo)); return;
    case kPropTag: {
        const char* text = reinterpret_cast<const char*>(lo);
        change_record(record, [&](RecordView& v) { v.tag = text ? text : ""; });
        return;
    }
    case kPropVisible:
        change_record(record, [&](RecordView& v) { v.state_flags = (v.state_flags & ~kStateVisible) | (lo ? kStateVisible : 0); });
        if (object) show(window, index, object, lo != 0);
        return;
    case kPropDisabled:
        change_record(record,
                      [&](RecordView& v) { v.state_flags = (v.state_flags & ~kStateDisabled) | (lo ? kStateDisabled : 0); });
        if (object) EnableWindow(object->hwnd(), lo == 0);
        return;
    case kPropCursor: write_cursor(record, object, lo); return;
    default: return;
    }
}

}  // namespace forms
