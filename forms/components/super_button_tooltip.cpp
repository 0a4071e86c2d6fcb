#include "forms/components/super_button_tooltip.h"

#include <commctrl.h>

#include "forms/components/tooltip.h"
#include "runtime/platform_text.h"

namespace forms {
namespace {

constexpr int kMaxTipWidth = 400;
constexpr UINT_PTR kToolId = 1;

}  // namespace

ButtonTooltip::~ButtonTooltip() { destroy(); }

void ButtonTooltip::destroy() {
    if (control_ && IsWindow(control_)) DestroyWindow(control_);
    control_ = nullptr;
    has_tool_ = false;
}

void ButtonTooltip::ensure(HWND button) {
    if (control_ && IsWindow(control_)) return;
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    control_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, button, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    has_tool_ = false;
    if (!control_) return;
    tooltip::activate(control_, false);
    tooltip::set_max_width(control_, kMaxTipWidth);
}

TOOLINFOW ButtonTooltip::tool(HWND button) const {
    TOOLINFOW info = {};
    // The oldest layout that carries everything used here, understood by every
    // version of the control.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = button;
    info.uId = kToolId;
    GetClientRect(button, &info.rect);
    info.lpszText = const_cast<wchar_t*>(text_.c_str());
    return info;
}

void ButtonTooltip::set_text(HWND button, const std::string& text) {
    ensure(button);
    if (!control_) return;
    text_ = rt::to_platform(text.c_str(), text.size());
    const TOOLINFOW info = tool(button);
    if (text_.empty()) {
        if (has_tool_) tooltip::remove_tool(control_, info);
        has_tool_ = false;
        return;
    }
    if (!has_tool_) has_tool_ = tooltip::add_tool(control_, info);
    tooltip::update_text(control_, info);
    tooltip::activate(control_, true);
}

void ButtonTooltip::relay(const MSG& message) {
    if (control_) tooltip::relay(control_, message);
}

void ButtonTooltip::fit(HWND button) {
    if (!control_ || !has_tool_) return;
    tooltip::update_rect(control_, tool(button));
}

}  // namespace forms
