// The captions of the tool's window as its template description
// (data/main_window.template.json) gives them: what a test expects the window to show,
// taken from the one place that holds it rather than typed again.
#pragma once
#include <string>

namespace e2e {

// The caption of the record the description names `code` (kPromptLabel, ...; for the
// window's own record, kWindowItself, its title), in UTF-16. A test failure and an
// empty text when the description has no such record or the record has no caption.
std::wstring template_caption(const std::string& code);

}  // namespace e2e
