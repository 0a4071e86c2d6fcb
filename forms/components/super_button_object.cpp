#include "forms/components/super_button_object.h"

#include <windowsx.h>

#include <memory>

#include "forms/components/super_button_paint.h"
#include "forms/components/super_button_sound.h"
#include "forms/components/super_button_type.h"
#include "forms/display_scale.h"
#include "forms/window_text.h"

namespace forms {
namespace {

// The low five bits of a button's style are its type.
constexpr DWORD kTypeBits = 0x1F;
constexpr DWORD kToggleType = BS_CHECKBOX;  // 2
constexpr DWORD kDefaultType = BS_DEFPUSHBUTTON;  // 1

using P = SuperButtonProperties;

bool is_input(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}

}  // namespace

SuperButtonObject::SuperButtonObject(const rt::ComponentType* type, const CreateRequest& request,
                                     SuperButtonProperties properties)
    : ComponentObject(type, request.window_id, request.component_id),
      properties_(std::move(properties)),
      dpi_(dpi_of(request.parent)) {
    if (P::is(properties_.toggle)) {
        toggle_ = true;
        checked_ = P::is(properties_.checked);
    } else {
        default_button_ = properties_.default_button == 1;
    }
    apply_style();
    apply_colours();
    for (int slot = 0; slot < kSlotCount; ++slot) make_slot(slot);
}

SuperButtonObject::~SuperButtonObject() = default;

void SuperButtonObject::adopt_window() {
    // The button type we were created with says what kind of button we are; from
    // now on we draw it ourselves.
    const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_STYLE));
    const DWORD type = style & kTypeBits;
    if (type == kToggleType) toggle_ = true;
    if (type == kDefaultType) default_button_ = true;
    SetWindowLongW(hwnd(), GWL_STYLE, static_cast<LONG>((style & ~kTypeBits) | BS_OWNERDRAW));
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    apply_font();
    if (!properties_.tooltip.empty()) tooltip_.set_text(hwnd(), properties_.tooltip);
}

void SuperButtonObject::apply_style() {
    flat_ = properties_.style != kSuperRaised;
    rounded_ = properties_.style == kSuperRounded;
    press_offset_ = properties_.press_offset == 0 ? POINT{1, 1} : POINT{0, 2};
    if (!flat_) hovered_ = false;
}

void SuperButtonObject::apply_colours() { colours_ = stored_button_colours(properties_); }

void SuperButtonObject::rescale(int dpi) {
    dpi_ = dpi;
    for (int slot = 0; slot < kSlotCount; ++slot) make_slot(slot);
    apply_font();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void SuperButtonObject::apply_font() {
    rt::GdiObject<HFONT> fresh = font_at(properties_.font, dpi_of(hwnd()));
    SendMessageW(hwnd(), WM_SETFONT,
                 reinterpret_cast<WPARAM>(fresh ? fresh.get() : GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // The button no longer holds the old font: only now may it go.
    font_ = std::move(fresh);
}

void SuperButtonObject::make_slot(int slot) {
    switch (slot) {
    case kSlotHover: slots_[slot] = PictureSlot::make(properties_.hover_picture, properties_.hover_transparent, dpi_); break;
    case kSlotNormal:
        slots_[slot] = PictureSlot::make(properties_.normal_picture, properties_.normal_transparent, dpi_);
        break;
    case kSlotDisabled:
        slots_[slot] = PictureSlot::make(properties_.disabled_picture, properties_.disabled_transparent, dpi_);
        break;
    default: break;
    }
}

void SuperButtonObject::redraw() {
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

u32 SuperButtonObject::set_property(i32 property, const ValueRecord& value) {
    bool changed = false;
    const auto* field = forms::set_property(kSuperButtonTable, &properties_, property, value, &changed);
    if (!field) return 0;
    switch (property) {
    case kSuperStyle:
    case kSuperPressOffset: apply_style(); break;
    case kSuperChecked:
        if (toggle_) checked_ = P::is(properties_.checked);
        break;
    case kSuperHoverPicture:
    case kSuperHoverTransparent: make_slot(kSlotHover); break;
    case kSuperNormalPicture:
    case kSuperNormalTransparent: make_slot(kSlotNormal); break;
    case kSuperDisabledPicture:
    case kSuperDisabledTransparent: make_slot(kSlotDisabled); break;
    case kSuperFont: apply_font(); break;
    case kSuperCaption: set_window_text(hwnd(), properties_.caption); break;
    case kSuperSystemColours:
    case kSuperNormalText:
    case kSuperNormalBack:
    case kSuperHoverText:
    case kSuperHoverBack:
    case kSuperFocusText:
    case kSuperFocusBack: apply_colours(); break;
    case kSuperTooltip: tooltip_.set_text(hwnd(), properties_.tooltip); break;
    default: break;
    }
    switch (field->effect) {
    case SuperEffect::Redraw: redraw(); return 0;
    case SuperEffect::RedrawOwnColours:
        if (!P::is(properties_.system_colours)) redraw();
        return 0;
    case SuperEffect::Quiet: return 0;
    case SuperEffect::RebuildWhenChanged: return changed ? 1 : 0;
    case SuperEffect::Rebuild: return 1;
    }
    return 0;
}

bool SuperButtonObject::get_property(i32 property, ValueRecord* out) const {
    return forms::get_property(kSuperButtonTable, properties_, property, out);
}

bool SuperButtonObject::pre_translate(MSG* message) {
    if (message->hwnd != hwnd()) return false;
    tooltip_.ensure(hwnd());
    if (is_input(message->message)) tooltip_.relay(*message);
    return false;
}

void SuperButtonObject::track_mouse(WPARAM keys, LPARAM position) {
    // A press that began elsewhere and is dragged over the button lights nothing.
    if (!flat_ || ((keys & MK_LBUTTON) && !hovered_)) return;
    POINT at = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ClientToScreen(hwnd(), &at);
    if (WindowFromPoint(at) != hwnd()) {
        end_highlight();
        return;
    }
    if (hovered_) return;
    hovered_ = true;
    redraw();
    play_button_sound(P::is(properties_.builtin_sound), properties_.hover_sound);
    TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&leave);
}

void SuperButtonObject::end_highlight() {
    if (!hovered_) return;
    hovered_ = false;
    redraw();
}

void SuperButtonObject::on_disabled() {
    // Some platforms take the focus away from a window being disabled before telling
    // it; the focus still goes on to the next tab stop rather than nowhere.
    const bool had_focus = GetFocus() == hwnd() || (focus_lost_to_disabling_ && !GetFocus());
    focus_lost_to_disabling_ = false;
    if (had_focus) {
        HWND parent = GetParent(hwnd());
        HWND next = parent ? GetNextDlgTabItem(parent, hwnd(), FALSE) : nullptr;
        SetFocus(next && next != hwnd() ? next : parent);
    }
    end_highlight();
}

void SuperButtonObject::click() {
    play_button_sound(P::is(properties_.builtin_sound), properties_.click_sound);
    if (toggle_) {
        checked_ = !checked_;
        properties_.checked = checked_ ? 1 : 0;
        redraw();
    }
    raise(kEventClicked);  // the handler may destroy us: nothing after this
}

LookInput SuperButtonObject::look_input(const DRAWITEMSTRUCT& item) const {
    LookInput in = {};
    in.rect = item.rcItem;
    in.selected = (item.itemState & ODS_SELECTED) != 0;
    in.focused = (item.itemState & ODS_FOCUS) != 0;
    in.disabled = (item.itemState & ODS_DISABLED) != 0;
    in.hovered = hovered_;
    in.flat = flat_;
    in.rounded = rounded_;
    in.toggle = toggle_;
    in.checked = checked_;
    in.default_button = default_button_;
    in.border_3d = P::is(properties_.border_3d);
    in.focus_rectangle = P::is(properties_.focus_rectangle);
    in.focus_cues = !(SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    in.alignment = properties_.alignment;
    in.press_offset = press_offset_;
    for (int slot = 0; slot < kSlotCount; ++slot)
        in.pictures[slot] = slots_[slot].empty() ? SIZE{0, 0} : slots_[slot].size();
    in.has_caption = !properties_.caption.empty();
    in.colours = colours_;
    return in;
}

void SuperButtonObject::draw(const DRAWITEMSTRUCT& item) {
    // System colours may change while we live: read them at every drawing.
    if (P::is(properties_.system_colours)) colours_ = system_button_colours();
    last_look_ = plan_look(look_input(item));
    ++drawings_;
    paint_super_button(item.hDC, last_look_, properties_.caption, font_.get(), slots_);
}

bool SuperButtonObject::on_reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    if (message == WM_DRAWITEM) {
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        *result = TRUE;
        return true;
    }
    // An owner-drawn button reports the second click of a double click as a double
    // click: it is a click all the same.
    if (message == WM_COMMAND && (HIWORD(wparam) == BN_CLICKED || HIWORD(wparam) == BN_DOUBLECLICKED)) {
        click();
        *result = 0;
        return true;
    }
    return false;
}

bool SuperButtonObject::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    switch (message) {
    case WM_MOUSEMOVE: track_mouse(wparam, lparam); return false;
    case WM_MOUSELEAVE: end_highlight(); return false;
    case WM_KILLFOCUS:
        focus_lost_to_disabling_ = !wparam && !IsWindowEnabled(hwnd());
        *result = call_platform(message, wparam, lparam);
        end_highlight();
        return true;
    case WM_CANCELMODE:
        *result = call_platform(message, wparam, lparam);
        end_highlight();
        return true;
    case kMsgWindowDeactivated:
        end_highlight();
        *result = 0;
        return true;
    case WM_ENABLE:
        *result = call_platform(message, wparam, lparam);
        if (!wparam) on_disabled();
        return true;
    case WM_SIZE: tooltip_.fit(hwnd()); return false;
    case WM_UPDATEUISTATE:
        // Focus cues shown or hidden: the focus rectangle follows at once.
        *result = call_platform(message, wparam, lparam);
        if (GetFocus() == hwnd()) redraw();
        return true;
    case WM_GETDLGCODE:
        *result = DLGC_BUTTON | (default_button_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return true;
    case BM_SETSTYLE: {
        // The dialog manager moves the default between push buttons; we stay owner-drawn.
        const DWORD type = static_cast<DWORD>(wparam) & kTypeBits;
        if (type == BS_PUSHBUTTON || type == kDefaultType) default_button_ = type == kDefaultType;
        *result = call_platform(message, (wparam & ~static_cast<WPARAM>(kTypeBits)) | BS_OWNERDRAW, lparam);
        return true;
    }
    case BM_GETCHECK: *result = checked_ ? BST_CHECKED : BST_UNCHECKED; return true;
    case BM_SETCHECK:
        checked_ = wparam == BST_CHECKED || wparam == BST_INDETERMINATE;
        properties_.checked = checked_ ? 1 : 0;
        redraw();
        *result = 0;
        return true;
    default: return false;
    }
}

ComponentObject* create_super_button(const CreateRequest& request) {
    SuperButtonProperties properties;
    if (!read_super_button_properties(request.data, request.length, &properties)) return nullptr;
    auto made = std::make_unique<SuperButtonObject>(&kSuperButtonType, request, std::move(properties));
    const DWORD type = made->is_toggle() ? kToggleType : (made->is_default_button() ? kDefaultType : 0);
    const PlatformWindow window = component_window(request, "BUTTON", made->properties().caption.c_str(), type);
    SuperButtonObject* button = ComponentObject::create(std::move(made), window);
    if (button) button->adopt_window();
    return button;
}

}  // namespace forms
