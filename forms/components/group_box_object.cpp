#include "forms/components/group_box_object.h"

#include "forms/components/button_styles.h"
#include "forms/components/component_types.h"
#include "forms/display_scale.h"
#include "forms/window_text.h"

namespace forms {

GroupBoxObject::GroupBoxObject(const CreateRequest& request, StoredBlock stored)
    : BlockObject(&kGroupBoxType, request, kGroupBoxLayout, std::move(stored)) {
    background_.set(stored_.word(kGroupBackColour));
}

DWORD GroupBoxObject::platform_style() const {
    return BS_GROUPBOX | horizontal_alignment_style(stored_.word(kGroupAlignment));
}

void GroupBoxObject::apply_after_create() {
    use_classic_look(hwnd());
    font_.apply(hwnd(), stored_.block(kGroupFont), dpi_of(hwnd()));
}

bool GroupBoxObject::on_message(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
    if (message != WM_ERASEBKGND) return false;
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(reinterpret_cast<HDC>(wparam), &client, background_.handle());
    *result = 1;
    return true;
}

// The frame asks its parent for the colours of its caption; the runtime hands the
// request back here.
bool GroupBoxObject::on_reflected(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
    if (message != WM_CTLCOLORSTATIC) return false;
    *result = answer_colour_request(reinterpret_cast<HDC>(wparam), text_colour(stored_.word(kGroupCaptionColour)),
                                    background_);
    return true;
}

u32 GroupBoxObject::apply(const PropertyRow& row) {
    switch (row.effect) {
    case kGroupSetsCaption: set_window_text(hwnd(), stored_.caption); break;
    case kGroupSetsAlignment:
        replace_style(hwnd(), kHorizontalAlignmentMask, horizontal_alignment_style(stored_.word(kGroupAlignment)));
        break;
    case kGroupSetsBackground:
        background_.set(stored_.word(kGroupBackColour));
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
    case kGroupSetsFont: font_.apply(hwnd(), stored_.block(kGroupFont), dpi_of(hwnd())); break;
    default: InvalidateRect(hwnd(), nullptr, TRUE); break;
    }
    return 0;
}

ComponentObject* create_group_box(const CreateRequest& request) {
    return create_block_component<GroupBoxObject>(request, kGroupBoxLayout, "BUTTON");
}

}  // namespace forms
