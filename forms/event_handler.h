// How an event reaches the program logic.
//
// The code base of a program is an array of EventHandler; a window template binds an
// event to the byte offset of one element, and resolving a binding adds the code base,
// so a resolved binding is the address of that element (0: no handler). The runtime
// calls the element with the event's argument words, first argument first. A handler
// that returns a value (for example false from "may close" to refuse the close)
// stores true in *returned_value and returns the value; one that returns nothing
// leaves *returned_value false.
#pragma once
#include "runtime/values.h"

namespace forms {

using EventHandler = rt::u32 (*)(const rt::u32* args, rt::i32 count, bool* returned_value);

inline constexpr rt::i32 kMaxEventArguments = 5;

// Filled by a component and passed to the raise-event service.
struct EventRecord {
    rt::u32 window_id;
    rt::u32 component_id;  // 0x06010000 (or 0) for the window itself
    rt::i32 event;
    rt::u32 argument_count;  // 0 to 5
    rt::u32 arguments[kMaxEventArguments];
    rt::u32 result_present;  // set to 1 by the runtime when the handler returned a value
    rt::u32 result;
};
static_assert(sizeof(EventRecord) == 11 * 4);

// Window events.
enum WindowEvent : rt::i32 {
    kWindowCreated = 0,
    kWindowMayClose,
    kWindowDestroying,
    kWindowMoved,
    kWindowResized,
    kWindowActivated,
    kWindowDeactivated,
    kWindowIdle,
    kWindowFirstActivation,
    kWindowTrayIcon,
    kWindowShown,
    kWindowHidden,
    kWindowCloseRequested,
};
static_assert(kWindowCloseRequested == 12, "templates bind window events by number");

// Events common to every component.
inline constexpr rt::i32 kEventGotFocus = -7;
inline constexpr rt::i32 kEventLostFocus = -8;
// Event 0 of the button types: clicked.
inline constexpr rt::i32 kEventClicked = 0;

}  // namespace forms
