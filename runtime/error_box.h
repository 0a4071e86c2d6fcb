// The one place every unrecoverable condition ends: a composed Chinese message in a
// modal box, then the end of the process with exit code -1 (at-exit routines skipped).
#pragma once
#include <string>

#include "runtime/error_codes.h"
#include "runtime/values.h"

namespace rt {

struct ErrorRecord {
    const char* message;  // null or empty for none
    i32 code;
    i32 first;   // routine identifier, window id, or 0
    i32 second;  // call-site number, component id, or 0
};

// The message of a coded error (1 to 11); empty for code 0 or an unknown code.
const char* coded_error_message(i32 code);

// The location lines: "\r\n%d, %d", the window and component names when the first
// number is a window id, and a closing "\r\n".
std::string compose_location(i32 first, i32 second);
// The box text for a record whose location text is already composed.
std::string compose_box_text(const ErrorRecord& record, const std::string& location);

[[noreturn]] void report_error(const ErrorRecord& record);
[[noreturn]] void report_coded_error(i32 code, i32 first, i32 second);
[[noreturn]] void report_error_message(const char* message, i32 first = 0, i32 second = 0);

// Receives the error code and the message followed by the location text; a non-zero
// result suppresses the box. Not called again while it runs.
using ErrorHook = i32 (*)(i32 code, const char* text);
void set_error_hook(ErrorHook hook);

// Names a window template and one of its records for the location lines; installed
// by the window system.
struct TemplateNames {
    bool window_found;
    std::string window_name;
    bool record_found;
    u32 record_id;
    std::string record_name;
};
using TemplateNameLookup = TemplateNames (*)(u32 window_id, u32 component_id);
void set_template_name_lookup(TemplateNameLookup lookup);

}  // namespace rt
