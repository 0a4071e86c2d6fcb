// What the test programs' event handlers received, and expected sequences of events
// written as data (compared as sequence.h describes).
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "runtime/values.h"
#include "tests/support/sequence.h"

namespace testing_support {

using rt::i32;
using rt::u32;

// The window the windowed test programs load; a handler running for a component of
// the second window is marked "/2" in the log's text.
inline constexpr u32 kWindowId = 0x52010001;
inline constexpr u32 kSecondWindowId = 0x52010002;

// One handler call: the event, the source the runtime reported while it ran, and the
// arguments it was given.
struct LoggedEvent {
    i32 event = 0;
    u32 window_id = 0;
    u32 component_id = 0;
    std::vector<u32> args;
};
// "<event>@<component id hex>[/2][ <arg>...]"
std::string describe(const LoggedEvent& e);

std::vector<LoggedEvent>& event_log();
// Only the entries of the log for this event number (or these).
std::vector<LoggedEvent> logged(i32 event);
std::vector<LoggedEvent> logged(std::initializer_list<i32> events);
// Events whose handler returns a value: event number -> value.
std::map<i32, u32>& event_answers();
// Runs inside every handler, after logging, with the event and its component.
std::function<void(i32 event, u32 component_id)>& during_event();
void clear_event_state();

// Flags of an expected entry.
enum ExpectFlag : u32 {
    kOptional = 1,     // may be absent from the log
    kAnyArgs = 2,      // the arguments are not compared
    kSecondWindow = 4  // the source is the second window
};

struct Expected {
    i32 event = 0;
    u32 component_id = 0;
    std::vector<u32> args = {};
    u32 flags = 0;
};
std::string describe(const Expected& e);
bool matches(const Expected& want, const LoggedEvent& got);
inline bool optional(const Expected& e) { return (e.flags & kOptional) != 0; }

// Whether `actual` is `expected` in order (optional entries may be skipped).
::testing::AssertionResult events_are(const std::vector<LoggedEvent>& actual, const std::vector<Expected>& expected);

std::string hex(u32 v);

}  // namespace testing_support
