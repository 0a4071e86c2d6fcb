#include "forms/components/group_box_object.h"

#include "forms/components/button_styles.h"
#include "forms/components/component_types.h"
#include "forms/display_scale.h"
#include "forms/window_text.h"

namespace forms {

GroupBoxObject::GroupBoxObject(const CreateRequest& request, StoredBlock stored)
    : BlockObject(&kGroupBoxType, request, kGroupBoxLayout, std::move(stored)) {
    background_.set(stored_.word(kGroupWordBackColour));
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
    *result = answer_colour_request(reinterpret_cast<HDC>(wparam), text_colour(stored_.word(kGroupWordCaptionColour)),
                                    background_);
    return true;
}

u32 GroupBoxObject::apply(const PropertyRow& row) {
    switch (row.effect) {
    case kGroupSetsCaption: set_window_text(hwnd(), stored_.caption); break;
    case kGroupSetsAlignment:
        replace_style(hwnd(), kHorizontalAlignmentMask, horizontal_alignment_style(stored_.word(kGroupWordAlignment)));
        break;
    case kGroupSetsBackground:
        background_.set(stored_.word(kGroupWordBackColour));
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
    case kGroupSetsFont: font_.apply(hwnd(), stored_.block(kGroupBlockFont), dpi_of(hwnd())); break;
    default: InvalidateRect(hwnd(), nullptr, TRUE); break;
    }
    return 0;
}

ComponentObject* create_group_box(const CreateRequest& request) {
    StoredBlock stored;
    if (!read_request_block(kGroupBoxLayout, request, &stored)) return nullptr;
    auto* box = new GroupBoxObject(request, std::move(stored));
    const DWORD style = request.style | WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX |
                        horizontal_alignment_style(box->stored().word(kGroupWordAlignment));
    if (!box->create_window(0, "BUTTON", box->stored().caption.c_str(), style, request.left, request.top,
                            request.width, request.height, request.parent,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(request.control_id)))) {
        delete box;
        return nullptr;
    }
    use_classic_look(box->hwnd());
    box->font_.apply(box->hwnd(), box->stored().block(kGroupBlockFont), dpi_of(box->hwnd()));
    return box;
}

}  // namespace forms
