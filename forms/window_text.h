// Window texts at the platform boundary. The program's texts are GBK whatever code
// page the system runs in, so captions and titles go to the platform as UTF-16,
// converted here with the program's code page.
#pragma once
#include <windows.h>

#include <string>

namespace forms {

// Sets the window's text from a GBK text.
void set_window_text(HWND window, const std::string& text);

// The window's text as the platform holds it.
std::wstring window_text(HWND window);

}  // namespace forms
