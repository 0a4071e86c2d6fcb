#include "forms/display_scale.h"

#include <cstring>

#include "forms/font_value.h"

namespace forms {
namespace {

int injected_dpi = 0;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Newer systems only: looked up in the already loaded user32, never loaded by name.
FARPROC user32_entry(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? GetProcAddress(user32, name) : nullptr;
}

SIZE frame_at(DWORD style, DWORD ex_style, int dpi) {
    static const auto adjust = reinterpret_cast<AdjustForDpiFn>(user32_entry("AdjustWindowRectExForDpi"));
    RECT r = {0, 0, 0, 0};
    // A DPI stood in for by a test leaves the platform drawing the frame it always does.
    if (adjust && !injected_dpi)
        adjust(&r, style & ~static_cast<DWORD>(WS_CHILD), FALSE, ex_style, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&r, style, FALSE, ex_style);  // one frame for every DPI
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

int system_dpi() {
    const rt::WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kTemplateDpi;
}

int dpi_of(HWND window) {
    if (injected_dpi) return injected_dpi;
    static const auto for_window = reinterpret_cast<GetDpiForWindowFn>(user32_entry("GetDpiForWindow"));
    if (window && for_window)
        if (const UINT dpi = for_window(window)) return static_cast<int>(dpi);
    return system_dpi();
}

void set_window_system_dpi(int dpi) { injected_dpi = dpi; }

int metric_at(int index, int dpi) {
    using ForDpiFn = int(WINAPI*)(int, UINT);
    static const auto for_dpi = reinterpret_cast<ForDpiFn>(user32_entry("GetSystemMetricsForDpi"));
    if (injected_dpi || !for_dpi) return MulDiv(GetSystemMetrics(index), dpi, system_dpi());
    return for_dpi(index, static_cast<UINT>(dpi));
}

SIZE outer_to_device(SIZE outer, DWORD style, DWORD ex_style, int dpi) {
    if (dpi == kTemplateDpi) return outer;
    const SIZE f96 = frame_at(style, ex_style, kTemplateDpi), f = frame_at(style, ex_style, dpi);
    return {to_device(outer.cx - f96.cx, dpi) + f.cx, to_device(outer.cy - f96.cy, dpi) + f.cy};
}

SIZE outer_to_template(SIZE outer, DWORD style, DWORD ex_style, int dpi) {
    if (dpi == kTemplateDpi) return outer;
    const SIZE f96 = frame_at(style, ex_style, kTemplateDpi), f = frame_at(style, ex_style, dpi);
    return {to_template(outer.cx - f.cx, dpi) + f96.cx, to_template(outer.cy - f.cy, dpi) + f96.cy};
}

rt::GdiObject<HFONT> font_at(const ByteBlock& logical_font, int dpi) {
    LOGFONTW font = {};
    if (logical_font.size() == sizeof(LOGFONTA)) {
        LOGFONTA stored;
        std::memcpy(&stored, logical_font.data(), sizeof stored);
        font = platform_font(stored);
    } else {
        if (dpi == system_dpi()) return {};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    }
    font.lfHeight = MulDiv(font.lfHeight, dpi, system_dpi());
    font.lfWidth = MulDiv(font.lfWidth, dpi, system_dpi());
    return rt::GdiObject<HFONT>(CreateFontIndirectW(&font));
}

}  // namespace forms
