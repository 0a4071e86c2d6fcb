#include "forms/component_object.h"

#include "forms/display_scale.h"
#include "forms/event_dispatch.h"
#include "forms/object_gone.h"
#include "forms/object_table.h"
#include "forms/record_fields.h"
#include "forms/window_base.h"
#include "forms/window_registry.h"
#include "runtime/platform_text.h"

namespace forms {
namespace {

// The child a parent-side notification is about, or null.
HWND notified_child(HWND parent, UINT message, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND: return reinterpret_cast<HWND>(lparam);  // null for menus and accelerators
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lparam);
        return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(item->CtlID));
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return reinterpret_cast<HWND>(lparam);
    default: return nullptr;
    }
}

}  // namespace

ComponentObject::ComponentObject(const rt::ComponentType* type, u32 window_id, u32 component_id)
    : type_(type), window_id_(window_id), component_id_(component_id) {}

ComponentObject* ComponentObject::from_window(HWND window) {
    return object_of(window);
}

PlatformWindow component_window(const CreateRequest& request, const char* class_name, const char* text, DWORD style,
                                DWORD ex_style) {
    const DWORD child_style = request.style | WS_CHILD | WS_CLIPSIBLINGS | style;
    return {ex_style, class_name, text, child_style, request.left, request.top, request.width, request.height,
            request.parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(request.control_id))};
}

HWND ComponentObject::make_window(std::unique_ptr<ComponentObject> object, PlatformWindow w) {
    if (w.style & WS_CHILD) {
        // A component is placed in template pixels; its platform window sits at its parent's DPI.
        const int dpi = dpi_of(w.parent);
        w.x = to_device(w.x, dpi);
        w.y = to_device(w.y, dpi);
        w.width = to_device(w.width, dpi);
        w.height = to_device(w.height, dpi);
    }
    const std::wstring platform_class = rt::to_platform(w.class_name), platform_text = rt::to_platform(w.text);
    // A class of ours takes the object out of `object` at WM_NCCREATE.
    HWND window = CreateWindowExW(w.ex_style, platform_class.c_str(), w.text ? platform_text.c_str() : nullptr,
                                  w.style, w.x, w.y, w.width, w.height, w.parent, w.menu_or_id,
                                  GetModuleHandleW(nullptr), &object);
    if (!window) return nullptr;
    if (object) {
        WNDPROC platform = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
        ComponentObject* taken = object.release();
        taken->attach(window, platform);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure));
        taken->subclassed_ = true;
    }
    return window;
}

void ComponentObject::attach(HWND window, WNDPROC platform) {
    hwnd_ = window;
    platform_ = platform;
    remember_object(window, this);
}

LRESULT CALLBACK ComponentObject::class_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE && !from_window(window)) {
        // The window owns the object from here on: WM_NCDESTROY frees it.
        auto* pending =
            static_cast<std::unique_ptr<ComponentObject>*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        if (pending && *pending) pending->release()->attach(window, DefWindowProcW);
    }
    return procedure(window, message, wparam, lparam);
}

LRESULT CALLBACK ComponentObject::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    ComponentObject* object = from_window(window);
    if (!object) return DefWindowProcW(window, message, wparam, lparam);
    return object->handle(message, wparam, lparam);
}

LRESULT ComponentObject::call_platform(UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(platform_, hwnd_, message, wparam, lparam);
}

bool ComponentObject::raise(i32 event, std::initializer_list<u32> args, EventRecord* out) const {
    return raise_event(window_id_, component_id_, event, args, out);
}

bool ComponentObject::set_record_cursor() {
    const WindowDescriptor* window = find_descriptor(window_id_);
    if (!window) return false;
    const int index = find_record(*window, component_id_);
    if (index < 0) return false;
    HCURSOR cursor = reinterpret_cast<HCURSOR>(read_fixed(window->live.records[index], Fixed::Cursor));
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

LRESULT ComponentObject::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (reflect_to_child(hwnd_, message, wparam, lparam, &result)) return result;

    const bool is_component = component_id_ != kWindowRecordId;
    switch (message) {
    case kMsgQueryObject: return reinterpret_cast<LRESULT>(this);
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wparam) == hwnd_ && LOWORD(lparam) == HTCLIENT && set_record_cursor()) return TRUE;
        break;
    case WM_LBUTTONDOWN:
        // Labels and group boxes drag their window when the window asks for it.
        if (is_component && (type_->flags & kFlagDragsWindow) && window_drags_by_components(window_id_)) {
            if (HWND top = GetAncestor(hwnd_, GA_ROOT)) {
                ReleaseCapture();
                SendMessageW(top, WM_NCLBUTTONDOWN, HTCAPTION, 0);
                return 0;
            }
        }
        break;
    default: break;
    }

    // Keep ourselves alive across the call: the platform may destroy the window.
    const HWND self = hwnd_;
    if (!on_message(message, wparam, lparam, &result)) result = call_platform(message, wparam, lparam);

    if (message == WM_NCDESTROY) {
        finish();
        return result;
    }
    if (is_component && IsWindow(self)) {
        if (message == WM_SETFOCUS) {
            focus_event_raised_ = true;
            raise(kEventGotFocus);
        } else if (message == WM_KILLFOCUS) {
            focus_event_raised_ = false;
            raise(kEventLostFocus);
        }
    }
    return result;
}

// The platform window is gone: hand the window back its procedure, tell the runtime,
// and free the object.
void ComponentObject::finish() {
    if (subclassed_ && IsWindow(hwnd_)) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(platform_));
    forget_object(hwnd_);
    on_destroyed();
    component_gone(this);
    delete this;
}

bool reflect_to_child(HWND parent, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    HWND child = notified_child(parent, message, lparam);
    if (!child || child == parent) return false;
    ComponentObject* target = ComponentObject::from_window(child);
    return target && target->on_reflected(message, wparam, lparam, result);
}

bool ensure_component_class(const char* name) {
    const std::wstring platform_name = rt::to_platform(name);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    if (GetClassInfoW(instance, platform_name.c_str(), &wc) || GetClassInfoW(nullptr, platform_name.c_str(), &wc))
        return true;
    wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ComponentObject::class_procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = platform_name.c_str();
    return RegisterClassW(&wc) != 0;
}

}  // namespace forms
