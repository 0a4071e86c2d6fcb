#include "forms/window_text.h"

#include "runtime/platform_text.h"

namespace forms {

void set_window_text(HWND window, const std::string& text) {
    SetWindowTextW(window, rt::to_platform(text.c_str(), text.size()).c_str());
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace forms
