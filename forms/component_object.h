// The run-time object of a component (or a window): kept on its platform window from
// creation to destruction. Every component window and every container goes through
// one runtime procedure, which reflects the notifications a parent receives for a
// child (command, draw, measure, colour requests) back to the child's own object,
// whichever window the platform made its parent, applies the record's cursor, and
// raises the got-focus and lost-focus events of components.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <memory>

#include "forms/component_type.h"
#include "forms/event_handler.h"

namespace forms {

// The runtime's private messages to its objects.
inline constexpr UINT kMsgQueryObject = 0x8002;       // answers with the object
inline constexpr UINT kMsgWindowBuilt = 0x8004;       // all components of the window exist
inline constexpr UINT kMsgComponentCreated = 0x806F;  // the load placed and wired the component
inline constexpr UINT kMsgPrepareFocus = 0x8076;      // the window is about to take input
inline constexpr UINT kMsgWindowDeactivated = 0x8077;  // to every component: its window lost the activation

// What the platform window of a component or a window is made from, in the order
// CreateWindowEx takes it. The class name and text are GBK texts (a null text gives
// the window none); a child is placed in template pixels.
struct PlatformWindow {
    DWORD ex_style;
    const char* class_name;
    const char* text;
    DWORD style;
    int x, y, width, height;
    HWND parent;
    HMENU menu_or_id;
};

// A component's platform window: a child of the request's parent at the request's
// place, under its control id, with the request's style bits and the type's own.
PlatformWindow component_window(const CreateRequest& request, const char* class_name, const char* text, DWORD style,
                                DWORD ex_style = 0);

class ComponentObject {
public:
    ComponentObject(const rt::ComponentType* type, u32 window_id, u32 component_id);
    virtual ~ComponentObject() = default;
    ComponentObject(const ComponentObject&) = delete;
    ComponentObject& operator=(const ComponentObject&) = delete;

    HWND hwnd() const { return hwnd_; }
    const rt::ComponentType* type() const { return type_; }
    u32 window_id() const { return window_id_; }
    u32 component_id() const { return component_id_; }

    // Makes the platform window and hands it the object, the way the platform's own
    // controls keep their state: a class whose procedure is class_procedure() takes
    // the object at WM_NCCREATE, any other class right after creation (and is
    // subclassed). From then on the window owns the object and frees it at
    // WM_NCDESTROY, also when it dies inside its own creation. Returns the object,
    // now the window's, or null when no window came to be; an object no window took
    // goes with the unique_ptr.
    template <class Object>
    static Object* create(std::unique_ptr<Object> object, const PlatformWindow& window) {
        Object* created = object.get();
        return make_window(std::move(object), window) ? created : nullptr;
    }

    static ComponentObject* from_window(HWND window);
    static LRESULT CALLBACK class_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    // Raises one of this component's events; true when a handler ran.
    bool raise(i32 event, std::initializer_list<u32> args = {}, EventRecord* out = nullptr) const;

    // Key handling before dispatch, for messages aimed at this window or below it.
    virtual bool pre_translate(MSG* /*message*/) { return false; }

    // The page a paged container shows (0 for every other type).
    virtual int current_page() const { return 0; }

    // The window moved to a monitor of another scale: fonts and whatever else the
    // component made for the old DPI are made again (its rectangle is placed by its window).
    virtual void rescale(int /*dpi*/) {}

    // Whether the got-focus event was raised for the focus it holds now.
    bool focus_event_raised() const { return focus_event_raised_; }

protected:
    // The object's own handling, before the platform's procedure; true with *result
    // set when the message is done.
    virtual bool on_message(UINT /*message*/, WPARAM, LPARAM, LRESULT* /*result*/) { return false; }
    // A notification the parent received for this component.
    virtual bool on_reflected(UINT /*message*/, WPARAM, LPARAM, LRESULT* /*result*/) { return false; }
    // After the platform window is gone, before the object is deleted.
    virtual void on_destroyed() {}

    LRESULT call_platform(UINT message, WPARAM wparam, LPARAM lparam);

private:
    friend bool reflect_to_child(HWND parent, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
    static HWND make_window(std::unique_ptr<ComponentObject> object, PlatformWindow window);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void attach(HWND window, WNDPROC platform);
    bool set_record_cursor();
    void finish();

    const rt::ComponentType* type_;
    u32 window_id_;
    u32 component_id_;
    HWND hwnd_ = nullptr;
    WNDPROC platform_ = nullptr;
    bool subclassed_ = false;
    bool focus_event_raised_ = false;
};

// A notification meant for a child, delivered to the child's object; false when the
// message is no such notification or the child has no object that handled it.
bool reflect_to_child(HWND parent, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

// Registers a class of ours unless a class of that name exists, ours or the system's:
// the runtime's procedure (so the object attaches at WM_NCCREATE), the arrow cursor,
// no background brush, redrawn whole when resized, double clicks. The name is a GBK text.
bool ensure_component_class(const char* name);

}  // namespace forms
