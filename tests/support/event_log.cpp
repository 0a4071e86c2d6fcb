#include "tests/support/event_log.h"

#include <algorithm>
#include <cstdio>

namespace testing_support {

std::string hex(u32 v) {
    char b[16];
    std::snprintf(b, sizeof b, "%08X", v);
    return b;
}

namespace {

std::string entry_text(i32 event, u32 component_id, bool second_window, const std::vector<u32>& args) {
    std::string s = std::to_string(event) + "@" + hex(component_id) + (second_window ? "/2" : "");
    for (u32 a : args) s += " " + std::to_string(a);
    return s;
}

}  // namespace

bool matches(const Expected& want, const LoggedEvent& got) {
    return want.event == got.event && want.component_id == got.component_id &&
           ((want.flags & kSecondWindow) != 0) == (got.window_id == kSecondWindowId) &&
           ((want.flags & kAnyArgs) != 0 || want.args == got.args);
}

std::string describe(const LoggedEvent& e) {
    return entry_text(e.event, e.component_id, e.window_id == kSecondWindowId, e.args);
}

std::string describe(const Expected& e) {
    std::string s = entry_text(e.event, e.component_id, (e.flags & kSecondWindow) != 0, e.args);
    if (e.flags & kAnyArgs) s += " ...";
    if (e.flags & kOptional) s += " (optional)";
    return s;
}

std::vector<LoggedEvent>& event_log() {
    static std::vector<LoggedEvent> log;
    return log;
}

std::vector<LoggedEvent> logged(i32 event) {
    std::vector<LoggedEvent> out;
    for (const LoggedEvent& e : event_log())
        if (e.event == event) out.push_back(e);
    return out;
}

std::vector<LoggedEvent> logged(std::initializer_list<i32> events) {
    std::vector<LoggedEvent> out;
    for (const LoggedEvent& e : event_log())
        if (std::find(events.begin(), events.end(), e.event) != events.end()) out.push_back(e);
    return out;
}

std::map<i32, u32>& event_answers() {
    static std::map<i32, u32> answers;
    return answers;
}

std::function<void(i32, u32)>& during_event() {
    static std::function<void(i32, u32)> f;
    return f;
}

void clear_event_state() {
    event_log().clear();
    event_answers().clear();
    during_event() = nullptr;
}

::testing::AssertionResult events_are(const std::vector<LoggedEvent>& actual, const std::vector<Expected>& expected) {
    return sequence_matches(actual, expected, "events");
}

}  // namespace testing_support
