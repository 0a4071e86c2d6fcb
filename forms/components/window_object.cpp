#include "forms/components/window_object.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>

#include "forms/components/picture_placement.h"
#include "forms/components/sound_theme_functions.h"
#include "forms/cursor_value.h"
#include "forms/display_scale.h"
#include "forms/event_dispatch.h"
#include "forms/image_file.h"
#include "forms/keyboard.h"
#include "forms/object_gone.h"
#include "forms/record_fields.h"
#include "forms/window_registry.h"
#include "forms/window_text.h"
#include "runtime/application.h"
#include "runtime/library_service.h"

namespace forms {
namespace {

// Alive and still this object: a handler may have destroyed the window meanwhile.
bool still(HWND hwnd, const ComponentObject* object) {
    return IsWindow(hwnd) && ComponentObject::from_window(hwnd) == object;
}

BOOL CALLBACK tell_deactivated(HWND child, LPARAM) {
    if (ComponentObject::from_window(child)) SendMessageW(child, kMsgWindowDeactivated, 0, 0);
    return TRUE;
}

HWND first_enabled_modal_window() {
    for (u32 id : loaded_window_ids()) {
        WindowObject* w = WindowObject::of(id);
        if (w && w->is_modal() && IsWindowVisible(w->hwnd()) && IsWindowEnabled(w->hwnd()) &&
            !(GetWindowLongW(w->hwnd(), GWL_STYLE) & WS_CHILD))
            return w->hwnd();
    }
    return nullptr;
}

rt::GdiObject<HRGN> shape_region(u32 shape, int width, int height) {
    switch (shape) {
    case kShapeEllipse: return rt::GdiObject<HRGN>(CreateEllipticRgn(0, 0, width, height));
    case kShapeRoundRect: {
        const int corner = std::min(width, height) / 5;
        return rt::GdiObject<HRGN>(CreateRoundRectRgn(0, 0, width + 1, height + 1, corner, corner));
    }
    case kShapeRing: {
        rt::GdiObject<HRGN> outer(CreateEllipticRgn(0, 0, width, height));
        const rt::GdiObject<HRGN> inner(
            CreateEllipticRgn(width / 4, height / 4, width - width / 4, height - height / 4));
        CombineRgn(outer.get(), outer.get(), inner.get(), RGN_DIFF);
        return outer;
    }
    default: return {};  // the rectangle, and outlines this runtime has no table for
    }
}

}  // namespace

WindowObject::WindowObject(const rt::ComponentType* type, const CreateRequest& request, WindowProperties properties)
    : WindowBase(type, request.window_id, request.component_id),
      properties_(std::move(properties)),
      as_child_(request.as_child),
      owned_(request.parent != nullptr) {
    decode_background_picture();
}

WindowObject::~WindowObject() = default;

WindowObject* WindowObject::of(u32 window_id) { return dynamic_cast<WindowObject*>(live_object(window_id, 0)); }

WindowKeys WindowObject::keys() const {
    return {properties_.flag(kWordEnterMovesFocus), properties_.flag(kWordEscapeCloses), properties_.flag(kWordF1Help),
            properties_.word(kWordHelpContext), properties_.help_file};
}

bool WindowObject::drags_by_components() const { return properties_.flag(kWordDragByComponents); }

void WindowObject::apply_after_create() {
    apply_icon();
    apply_shape();
    apply_default_font();
    if (properties_.flag(kWordTopmost)) apply_topmost();
    apply_movable();
    start_music();
}

void WindowObject::apply_default_font() {
    rt::GdiObject<HFONT> fresh = font_at({}, dpi_of(hwnd()));
    SendMessageW(hwnd(), WM_SETFONT,
                 reinterpret_cast<WPARAM>(fresh ? fresh.get() : GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    default_font_ = std::move(fresh);  // the old one is no longer the window's
}

// The window moved to a monitor of another scale: the platform's rectangle for it,
// then every component placed again from its template rectangle, with fonts and
// icons made for the new DPI.
void WindowObject::follow_dpi(int dpi, const RECT* suggested) {
    if (suggested)
        SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (WindowDescriptor* window = find_descriptor(window_id())) {
        for (size_t i = 1; i < window->live.records.size(); ++i) {
            ComponentObject* object = live_object(*window, static_cast<int>(i));
            if (!object || !(GetWindowLongW(object->hwnd(), GWL_STYLE) & WS_CHILD)) continue;
            const ByteBlock& record = window->live.records[i];
            SetWindowPos(object->hwnd(), nullptr, to_device(read_fixed_int(record, Fixed::Left), dpi),
                         to_device(read_fixed_int(record, Fixed::Top), dpi),
                         to_device(read_fixed_int(record, Fixed::Width), dpi),
                         to_device(read_fixed_int(record, Fixed::Height), dpi), SWP_NOZORDER | SWP_NOACTIVATE);
            object->rescale(dpi);
        }
    }
    apply_default_font();
    apply_icon();
    apply_shape();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void WindowObject::apply_frame() {
    const WindowFrame frame = window_frame(properties_, as_child_, owned_);
    // The frame bits follow the properties; visibility, state and the rest stay.
    constexpr DWORD kFrameBits = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX;
    constexpr DWORD kFrameExBits = WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE;
    const DWORD style = (GetWindowLongW(hwnd(), GWL_STYLE) & ~kFrameBits) | (frame.style & kFrameBits);
    const DWORD ex_style = (GetWindowLongW(hwnd(), GWL_EXSTYLE) & ~kFrameExBits) | (frame.ex_style & kFrameExBits);
    SetWindowLongW(hwnd(), GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongW(hwnd(), GWL_EXSTYLE, static_cast<LONG>(ex_style));
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void WindowObject::apply_icon() {
    rt::OwnedIcon big, small;
    if (!properties_.icon.empty()) {
        const auto* data = properties_.icon.data();
        const u32 n = static_cast<u32>(properties_.icon.size());
        const int dpi = dpi_of(hwnd());
        big.reset(icon_from_file_image(data, n, ImageKind::Icon, metric_at(SM_CXICON, dpi), metric_at(SM_CYICON, dpi)));
        small.reset(icon_from_file_image(data, n, ImageKind::Icon, metric_at(SM_CXSMICON, dpi),
                                         metric_at(SM_CYSMICON, dpi)));
    }
    HICON shown_big = big.get(), shown_small = small.get();
    if (!shown_big || !shown_small) {
        HICON defaults[2] = {nullptr, nullptr};
        rt::library_service(rt::kSvcDefaultIcons, reinterpret_cast<u32>(defaults), 0);
        if (!shown_big) shown_big = defaults[0];
        if (!shown_small) shown_small = defaults[1];
    }
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(shown_big));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(shown_small));
    // The old icons are no longer shown: only now may they go.
    big_icon_ = std::move(big);
    small_icon_ = std::move(small);
}

void WindowObject::apply_shape() {
    RECT r;
    GetWindowRect(hwnd(), &r);
    rt::GdiObject<HRGN> region = shape_region(properties_.word(kWordShape), r.right - r.left, r.bottom - r.top);
    // A plain rectangle on a window that never had a region needs nothing, and
    // clearing no region still redraws the whole frame.
    if (!region && !shaped_) return;
    // Once set, the window owns the region.
    if (!SetWindowRgn(hwnd(), region.get(), TRUE)) return;
    shaped_ = region.get() != nullptr;
    static_cast<void>(region.release());
}

void WindowObject::apply_topmost() {
    SetWindowPos(hwnd(), properties_.flag(kWordTopmost) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowObject::apply_movable() {
    GetSystemMenu(hwnd(), TRUE);  // back to the full system menu
    if (!properties_.flag(kWordMovable))
        if (HMENU menu = GetSystemMenu(hwnd(), FALSE)) DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
}

void WindowObject::start_music() {
    const u32 mode = properties_.word(kWordPlayMode);
    if (properties_.music.empty() || mode > 1) return;
    DWORD flags = SND_MEMORY | SND_ASYNC | SND_NODEFAULT;
    if (mode == 0) flags |= SND_LOOP;
    music_playing_ = play_sound(reinterpret_cast<LPCWSTR>(properties_.music.data()), nullptr, flags) != FALSE;
}

void WindowObject::stop_music() {
    if (music_playing_) play_sound(nullptr, nullptr, 0);
    music_playing_ = false;
}

void WindowObject::show_by_start_position() {
    switch (properties_.word(kWordStartPosition)) {
    case kStartMaximised: ShowWindow(hwnd(), SW_SHOWMAXIMIZED); break;
    case kStartMinimised: ShowWindow(hwnd(), SW_SHOWMINIMIZED); break;
    default: ShowWindow(hwnd(), SW_SHOW); break;
    }
}

void WindowObject::make_modal() {
    modal_ = true;
    for (u32 id : loaded_window_ids()) {
        WindowObject* other = of(id);
        if (!other || other == this || (GetWindowLongW(other->hwnd(), GWL_STYLE) & WS_CHILD)) continue;
        disabled_windows_.emplace_back(other->hwnd(), IsWindowEnabled(other->hwnd()) != FALSE);
        EnableWindow(other->hwnd(), FALSE);
    }
}

void WindowObject::re_enable_disabled_windows() {
    HWND next_active = nullptr;
    for (const auto& [window, was_enabled] : disabled_windows_) {
        if (!IsWindow(window)) continue;
        EnableWindow(window, was_enabled);
        if (was_enabled && !next_active && IsWindowVisible(window)) next_active = window;
    }
    disabled_windows_.clear();
    // The hidden owner cannot take the activation back; the window we froze can.
    if (next_active && GetActiveWindow() == hwnd()) SetActiveWindow(next_active);
}

u32 WindowObject::set_property(i32 property, const ValueRecord& value) {
    const PropertyField<WindowProperties>* field = find_field(kWindowTable, property);
    if (!field) return 0;
    // The music plays from the stored data: it stops before the data changes.
    if (field->effect == kWindowRestartsMusic) stop_music();
    forms::set_property(kWindowTable, &properties_, property, value);
    switch (field->effect) {
    case kWindowSetsTitle: set_window_text(hwnd(), properties_.title); break;
    case kWindowSetsFrame: apply_frame(); break;
    case kWindowSetsPicture:
        decode_background_picture();
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
    case kWindowRepaints: InvalidateRect(hwnd(), nullptr, TRUE); break;
    case kWindowRestartsMusic: start_music(); break;
    case kWindowSetsMovable: apply_movable(); break;
    case kWindowSetsIcon: apply_icon(); break;
    case kWindowSetsShape: apply_shape(); break;
    case kWindowSetsTopmost: apply_topmost(); break;
    default: break;  // read when used
    }
    return 0;
}

bool WindowObject::get_property(i32 property, ValueRecord* out) const {
    if (!forms::get_property(kWindowTable, properties_, property, out)) return false;
    // The start position reads back as the window's state.
    if (property == kWindowStartPosition)
        *out = {IsIconic(hwnd()) ? kStartMinimised : IsZoomed(hwnd()) ? kStartMaximised : kStartAsStored, 0};
    return true;
}

bool WindowObject::pre_translate(MSG* message) { return handle_window_keys(*this, *message); }

bool WindowObject::request_close() {
    const HWND self = hwnd();
    EventRecord r;
    raise(kWindowCloseRequested, {}, &r);
    if (!still(self, this)) return true;
    // A window inside another window cannot refuse.
    if (!as_child_ && refused(r)) return false;
    raise(kWindowMayClose, {}, &r);
    if (!still(self, this)) return true;
    if (!as_child_ && refused(r)) return false;
    re_enable_disabled_windows();
    call_platform(WM_CLOSE, 0, 0);
    return !IsWindow(self);
}

void WindowObject::decode_background_picture() {
    const ByteBlock& data = properties_.picture;
    picture_ = data.empty() ? Picture() : decode_picture(data.data(), static_cast<u32>(data.size()));
}

// The colour fills the client area; the picture, placed by property 12, goes over it.
void WindowObject::erase_background(HDC dc) {
    RECT r;
    GetClientRect(hwnd(), &r);
    const u32 colour = properties_.word(kWordBackColour);
    if (colour == kDefaultColour) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    } else if (const rt::GdiObject<HBRUSH> brush(CreateSolidBrush(colour & 0x00FFFFFF)); brush) {
        FillRect(dc, &r, brush.get());
    }
    if (!picture_.empty()) place_picture(dc, r, picture_, properties_.word(kWordPictureMode), dpi_of(hwnd()));
}

bool WindowObject::on_activate(WPARAM wparam, LPARAM lparam, LRESULT* result) {
    const HWND self = hwnd();
    if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(self, focus)) last_focus_ = focus;
        *result = call_platform(WM_ACTIVATE, wparam, lparam);
        // Child windows hear nothing of it from the platform; a look that lasts only
        // while the window is active (a super button's hover) ends here.
        EnumChildWindows(self, tell_deactivated, 0);
        raise(kWindowDeactivated);
        return true;
    }
    // Frozen by a modal window: that window takes the activation, silently.
    if (!IsWindowEnabled(self)) {
        if (HWND modal = first_enabled_modal_window(); modal && modal != self) {
            SetActiveWindow(modal);
            *result = 0;
            return true;
        }
    }
    if (!first_activation_seen_) {
        first_activation_seen_ = true;
        raise(kWindowFirstActivation);
        if (!still(self, this)) return true;
    }
    raise(kWindowActivated);
    if (!still(self, this)) return true;
    if (last_focus_ && IsWindow(last_focus_) && IsChild(self, last_focus_) && !IsIconic(self)) {
        SetFocus(last_focus_);
        *result = 0;
        return true;
    }
    return false;
}

bool WindowObject::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    switch (message) {
    case WM_CLOSE:
        request_close();
        *result = 0;
        return true;
    case WM_QUERYENDSESSION: {
        EventRecord r;
        raise(kWindowMayClose, {}, &r);
        *result = refused(r) ? FALSE : TRUE;
        return true;
    }
    case WM_DESTROY:
        raise(kWindowDestroying);
        if (help_shown_) WinHelpW(hwnd(), nullptr, HELP_QUIT, 0);
        if (HMENU menu = GetMenu(hwnd())) {
            SetMenu(hwnd(), nullptr);
            DestroyMenu(menu);
        }
        stop_music();
        re_enable_disabled_windows();  // a modal window destroyed without a close request
        return false;
    case WM_ACTIVATE: return on_activate(wparam, lparam, result);
    case WM_NCACTIVATE:
        if (properties_.flag(kWordTitleAlwaysActive)) {
            *result = call_platform(message, TRUE, lparam);
            return true;
        }
        return false;
    case WM_MOVE:
    case WM_SIZE:
    case WM_SHOWWINDOW: {
        *result = call_platform(message, wparam, lparam);
        if (message == WM_MOVE) raise(kWindowMoved);
        if (message == WM_SIZE) raise(kWindowResized);
        if (message == WM_SHOWWINDOW) raise(wparam ? kWindowShown : kWindowHidden);
        return true;
    }
    case WM_ERASEBKGND:
        erase_background(reinterpret_cast<HDC>(wparam));
        *result = 1;
        return true;
    case kMsgComponentCreated:
    case kMsgWindowBuilt:
    case kMsgPrepareFocus:
        *result = 0;
        return true;
    case kMsgDpiChanged:
        follow_dpi(LOWORD(wparam), reinterpret_cast<const RECT*>(lparam));
        *result = 0;
        return true;
    case WM_SETFONT:
        // The platform's own window procedure keeps no font; children may ask for ours.
        font_ = reinterpret_cast<HFONT>(wparam);
        *result = 0;
        return true;
    case WM_GETFONT:
        *result = reinterpret_cast<LRESULT>(font_);
        return true;
    case WM_HELP:
        *result = TRUE;  // F1 is ours: property 23 decides
        return true;
    default: return false;
    }
}

void WindowObject::on_destroyed() {
    if (WindowDescriptor* window = find_descriptor(window_id())) {
        for (ByteBlock& record : window->live.records) {
            release_cursor(reinterpret_cast<HCURSOR>(read_fixed(record, Fixed::Cursor)));
            write_fixed(record, Fixed::Cursor, 0);
        }
    }
    window_gone(window_id());
    // The last window gone ends the message loop, once the program has entered it.
    const std::vector<u32> alive = loaded_window_ids();
    const bool others = std::any_of(alive.begin(), alive.end(), [this](u32 id) { return id != window_id(); });
    if (!others && rt::g_loop_entered) PostQuitMessage(0);
}

}  // namespace forms
