#include "forms/components/check_box_object.h"

#include "forms/components/button_styles.h"
#include "forms/components/component_types.h"
#include "forms/display_scale.h"
#include "forms/window_text.h"

namespace forms {
namespace {

constexpr DWORD kPropertyStyles = BS_PUSHLIKE | BS_FLAT | BS_LEFTTEXT | kHorizontalAlignmentMask |
                                  kVerticalAlignmentMask;

void set_button_type(HWND window, DWORD type) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    SetWindowLongW(window, GWL_STYLE, static_cast<LONG>((style & ~static_cast<DWORD>(BS_TYPEMASK)) | type));
}

}  // namespace

CheckObject::CheckObject(const rt::ComponentType* type, const BlockLayout& layout, const CreateRequest& request,
                         StoredBlock stored)
    : BlockObject(type, request, layout, std::move(stored)) {
    background_.set(stored_.word(kCheckBackColour));
    picture_.load(stored_.block(kCheckPicture), background_.colour(), dpi_of(request.parent));
}

void CheckObject::rescale(int dpi) {
    font_.rescale(hwnd(), dpi);
    if (picture_.empty()) return;
    picture_.load(stored_.block(kCheckPicture), background_.colour(), dpi);
    picture_.show_on(hwnd());
}

DWORD CheckObject::platform_style() const {
    const StoredBlock& s = stored_;
    return BS_MULTILINE | (is_radio() ? BS_AUTORADIOBUTTON : BS_AUTOCHECKBOX) |
           (s.flag(kCheckPushLike) ? BS_PUSHLIKE : 0) | (s.flag(kCheckFlat) ? BS_FLAT : 0) |
           (s.flag(kCheckTextOnLeft) ? BS_LEFTTEXT : 0) |
           horizontal_alignment_style(s.word(kCheckAlignment)) |
           vertical_alignment_style(s.word(kCheckVerticalAlignment)) | picture_.style();
}

void CheckObject::apply_after_create() {
    use_classic_look(hwnd());
    font_.apply(hwnd(), stored_.block(kCheckFont), dpi_of(hwnd()));
    picture_.show_on(hwnd());
    // Only the value 1 ticks: template data may hold anything.
    if (stored_.word(kCheckTicked) == 1) set_check(true);
}

void CheckObject::set_check(bool ticked) {
    // Ticking an automatic radio button makes the platform clear the others of its
    // group; as a plain radio button for the moment, it leaves them alone.
    const bool automatic_radio = (GetWindowLongW(hwnd(), GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (automatic_radio) set_button_type(hwnd(), BS_RADIOBUTTON);
    SendMessageW(hwnd(), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (automatic_radio) set_button_type(hwnd(), BS_AUTORADIOBUTTON);
}

void CheckObject::refresh_ticked() {
    stored_.set_word(kCheckTicked, SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
}

bool CheckObject::get_property(i32 property, ValueRecord* out) {
    if (property == kCheckTicked) refresh_ticked();
    return BlockObject::get_property(property, out);
}

// A rebuilt control starts from these properties: it keeps the tick the user gave it.
ByteBlock CheckObject::save() {
    refresh_ticked();
    return BlockObject::save();
}

bool CheckObject::on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    if (message != WM_SETFOCUS && message != WM_KILLFOCUS) return false;
    // The platform may report a radio button that gains the focus as clicked; that
    // is no click of the user's.
    focus_changing_ = true;
    *result = call_platform(message, wparam, lparam);
    focus_changing_ = false;
    return true;
}

bool CheckObject::on_reflected(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) != BN_CLICKED) return false;
        if (!focus_changing_) raise(kEventClicked);
        *result = 0;
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        *result = answer_colour_request(reinterpret_cast<HDC>(wparam), text_colour(stored_.word(kCheckTextColour)),
                                        background_);
        return true;
    default: return false;
    }
}

u32 CheckObject::apply(const PropertyRow& row) {
    switch (row.effect) {
    case kCheckRebuilds: return 1;
    case kCheckSetsStyle: replace_style(hwnd(), kPropertyStyles, platform_style()); break;
    case kCheckSetsCaption: set_window_text(hwnd(), stored_.caption); break;
    case kCheckRepaints: InvalidateRect(hwnd(), nullptr, TRUE); break;
    case kCheckSetsBackground:
        background_.set(stored_.word(kCheckBackColour));
        picture_.recolour(hwnd(), background_.colour());
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
    case kCheckSetsFont: font_.apply(hwnd(), stored_.block(kCheckFont), dpi_of(hwnd())); break;
    case kCheckSetsTick: set_check(stored_.word(kCheckTicked) == 1); break;
    default: break;
    }
    return 0;
}

ComponentObject* create_check_box(const CreateRequest& request) {
    return create_block_component<CheckObject>(request, kCheckBoxLayout, "BUTTON", &kCheckBoxType, kCheckBoxLayout);
}

ComponentObject* create_radio_button(const CreateRequest& request) {
    return create_block_component<CheckObject>(request, kRadioLayout, "BUTTON", &kRadioType, kRadioLayout);
}

}  // namespace forms
