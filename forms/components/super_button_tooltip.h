// The super button's tooltip: one platform tooltip control per button, made the
// first time it is needed, covering the button's client area. Owns the control.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace forms {

class ButtonTooltip {
public:
    ButtonTooltip() = default;
    ~ButtonTooltip();
    ButtonTooltip(const ButtonTooltip&) = delete;
    ButtonTooltip& operator=(const ButtonTooltip&) = delete;

    // Makes the control for `button` unless it exists; it starts inactive.
    void ensure(HWND button);
    // A non-empty text (GBK) adds the tool (once), sets its text and activates the
    // control; an empty text removes the tool.
    void set_text(HWND button, const std::string& text);
    // Passes an input message for the button on to the control.
    void relay(const MSG& message);
    // The button changed size: the tool covers its client area again.
    void fit(HWND button);
    void destroy();

    HWND control() const { return control_; }
    bool has_tool() const { return has_tool_; }

private:
    TOOLINFOW tool(HWND button) const;

    HWND control_ = nullptr;
    bool has_tool_ = false;
    std::wstring text_;  // the control reads the text we lend it
};

}  // namespace forms
