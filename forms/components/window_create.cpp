// Window creation: the frame by border, caption, control box and buttons, the start
// position, the owner, the window class, and what is applied once the platform
// window exists.
#include <windows.h>

#include <memory>
#include <string>

#include "forms/components/component_types.h"
#include "forms/components/window_object.h"
#include "forms/display_scale.h"
#include "runtime/application.h"

namespace forms {
namespace {

bool resizable(u32 border) {
    return border == kBorderResizable || border == kBorderResizableTool || border == kBorderResizableSunken;
}
bool tool_window(u32 border) { return border == kBorderResizableTool || border == kBorderFixedTool; }
bool sunken(u32 border) { return border == kBorderResizableSunken || border == kBorderFixedSunken; }

}  // namespace

const char kDefaultWindowClass[] = "KRWindow";

WindowFrame window_frame(const WindowProperties& p, bool as_child, bool owned) {
    const u32 border = p.word(kWordBorder);
    DWORD style = WS_CLIPCHILDREN;
    DWORD ex_style = 0;
    if (border != kBorderNone) {
        if (!p.title.empty() || p.flag(kWordControlBox)) {
            style |= WS_CAPTION;
            if (p.flag(kWordControlBox)) style |= WS_SYSMENU;
        }
        if (!as_child) style |= WS_DLGFRAME;
    }
    if (resizable(border)) style |= WS_THICKFRAME;
    if (tool_window(border)) ex_style |= WS_EX_TOOLWINDOW;
    if (sunken(border)) ex_style |= WS_EX_CLIENTEDGE;
    if (p.flag(kWordMaxButton)) style |= WS_MAXIMIZEBOX;
    if (p.flag(kWordMinButton)) style |= WS_MINIMIZEBOX;

    const u32 start = p.word(kWordStartPosition);
    if (start == kStartMinimised) style |= WS_MINIMIZE;
    if (start == kStartMaximised && (style & WS_THICKFRAME)) style |= WS_MAXIMIZE;

    if (as_child)
        style = (style | WS_CHILD) & ~static_cast<DWORD>(WS_THICKFRAME);
    else if (owned)
        style |= WS_POPUP;
    return {style, ex_style};
}

ComponentObject* create_window_component(const CreateRequest& request) {
    WindowProperties properties;
    if (!read_window_properties(request.data, request.length, &properties)) return nullptr;

    // Modal windows and windows kept off the taskbar hang on the hidden owner, which
    // gives them no taskbar button; their frame stays that of an unowned window.
    HWND owner = request.parent;
    const bool owned = owner != nullptr;
    if (!owner && !request.as_child && (request.modal || !properties.flag(kWordInTaskbar)))
        owner = rt::app().hidden_owner;

    WindowFrame frame = window_frame(properties, request.as_child, owned);
    frame.style |= request.style & WS_DISABLED;

    // A child window is scaled as every component is; a top-level one here, at the
    // DPI of the screen it starts on.
    const bool top_level = !(frame.style & WS_CHILD);
    const int dpi = dpi_of(nullptr);
    const SIZE size = top_level ? outer_to_device({request.width, request.height}, frame.style, frame.ex_style, dpi)
                                : SIZE{request.width, request.height};
    int left = top_level ? to_device(request.left, dpi) : request.left;
    int top = top_level ? to_device(request.top, dpi) : request.top;
    if (properties.word(kWordStartPosition) == kStartCentred) {
        left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    }

    // The name is kept as a copy: the properties move into the window object, and a
    // short name moves with them out of the string it was read from.
    const std::string class_name = properties.class_name.empty() ? kDefaultWindowClass : properties.class_name;
    if (!ensure_component_class(class_name.c_str())) return nullptr;

    auto made = std::make_unique<WindowObject>(&kWindowType, request, std::move(properties));
    const PlatformWindow platform = {frame.ex_style, class_name.c_str(), made->properties().title.c_str(), frame.style,
                                     left, top, size.cx, size.cy, owner, request.menu};
    WindowObject* window = ComponentObject::create(std::move(made), platform);
    if (!window) return nullptr;
    const HWND hwnd = window->hwnd();
    RECT r;
    GetWindowRect(hwnd, &r);
    // A child window was scaled at creation; a top-level one may have opened on a
    // monitor of another DPI than the screen's, and is sized again for it.
    const int shown_dpi = top_level ? dpi_of(hwnd) : dpi_of(owner);
    const SIZE wanted =
        top_level ? (shown_dpi == dpi ? size
                                      : outer_to_device({request.width, request.height}, frame.style, frame.ex_style,
                                                        shown_dpi))
                  : SIZE{to_device(size.cx, shown_dpi), to_device(size.cy, shown_dpi)};
    if (r.right - r.left != wanted.cx || r.bottom - r.top != wanted.cy)
        MoveWindow(hwnd, top_level ? left : to_device(left, shown_dpi), top_level ? top : to_device(top, shown_dpi),
                   wanted.cx, wanted.cy, FALSE);
    window->apply_after_create();
    return window;
}

}  // namespace forms
