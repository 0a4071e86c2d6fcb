#include "forms/components/button_object.h"

#include "forms/components/button_styles.h"
#include "forms/components/component_types.h"
#include "forms/display_scale.h"
#include "forms/window_text.h"

namespace forms {

ButtonObject::ButtonObject(const CreateRequest& request, StoredBlock stored)
    : BlockObject(&kButtonType, request, kButtonLayout, std::move(stored)) {
    picture_.load(stored_.block(kButtonPicture), GetSysColor(COLOR_BTNFACE), dpi_of(request.parent));
}

void ButtonObject::rescale(int dpi) {
    font_.rescale(hwnd(), dpi);
    if (picture_.empty()) return;
    picture_.load(stored_.block(kButtonPicture), GetSysColor(COLOR_BTNFACE), dpi);
    picture_.show_on(hwnd());
}

DWORD ButtonObject::platform_style() const {
    return BS_MULTILINE | (is_default_button() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
           horizontal_alignment_style(stored_.word(kButtonAlignment)) |
           vertical_alignment_style(stored_.word(kButtonVerticalAlignment)) | picture_.style();
}

void ButtonObject::apply_after_create() {
    font_.apply(hwnd(), stored_.block(kButtonFont), dpi_of(hwnd()));
    picture_.show_on(hwnd());
}

bool ButtonObject::on_reflected(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
    if (message != WM_COMMAND || HIWORD(wparam) != BN_CLICKED) return false;
    raise(kEventClicked);
    *result = 0;
    return true;
}

u32 ButtonObject::apply(const PropertyRow& row) {
    switch (row.effect) {
    case kButtonRebuilds: return 1;
    case kButtonSetsKind:
        SendMessageW(hwnd(), BM_SETSTYLE, is_default_button() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        break;
    case kButtonSetsAlignment:
        replace_style(hwnd(), kHorizontalAlignmentMask | kVerticalAlignmentMask, platform_style());
        break;
    case kButtonSetsCaption: set_window_text(hwnd(), stored_.caption); break;
    case kButtonSetsFont: font_.apply(hwnd(), stored_.block(kButtonFont), dpi_of(hwnd())); break;
    default: break;
    }
    return 0;
}

ComponentObject* create_button(const CreateRequest& request) {
    return create_block_component<ButtonObject>(request, kButtonLayout, "BUTTON");
}

}  // namespace forms
