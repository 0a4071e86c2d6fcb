#include "forms/components/drive_box_object.h"

#include <algorithm>
#include <memory>

#include "forms/components/combo_box.h"
#include "forms/components/component_types.h"
#include "forms/components/drive_box_list.h"
#include "forms/display_scale.h"

namespace forms {
namespace {

// The list drops below the box: the window's height includes it.
constexpr int kLeastHeight = 80;

// GDI reads a colour's top byte as a palette selector: a stored word may hold anything.
COLORREF background_of(u32 colour) {
    return colour == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : (colour & kColourMask);
}

}  // namespace

DriveBoxObject::DriveBoxObject(const rt::ComponentType* type, const CreateRequest& request,
                               DriveBoxProperties properties)
    : ComponentObject(type, request.window_id, request.component_id), properties_(std::move(properties)) {
    make_brush();
}

DriveBoxObject::~DriveBoxObject() = default;

void DriveBoxObject::make_brush() { brush_.reset(CreateSolidBrush(background_of(properties_.back_colour))); }

void DriveBoxObject::apply_font() {
    rt::GdiObject<HFONT> fresh = font_at(properties_.font, dpi_of(hwnd()));
    HFONT shown = fresh ? fresh.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(shown), TRUE);
    // The control no longer uses the old font: only now may it go.
    font_ = std::move(fresh);
}

void DriveBoxObject::apply_after_create() {
    apply_font();
    fill();
}

void DriveBoxObject::fill() {
    combo_box::clear(hwnd());
    const char wanted = properties_.letter ? upper_drive_letter(properties_.letter) : process_drive();
    int wanted_at = CB_ERR;
    for (const DriveEntry& drive : list_drives(properties_.kinds)) {
        const int at = combo_box::add_item(hwnd(), drive.text.c_str());
        if (at < 0) continue;
        combo_box::set_item_data(hwnd(), at, static_cast<LPARAM>(static_cast<unsigned char>(drive.letter)));
        if (drive.letter == wanted) wanted_at = at;
    }
    properties_.letter = wanted_at == CB_ERR ? 0 : wanted;
    combo_box::select(hwnd(), wanted_at);
}

void DriveBoxObject::select_letter(char letter) {
    const int count = combo_box::item_count(hwnd());
    for (int i = 0; i < count; ++i) {
        if (static_cast<char>(combo_box::item_data(hwnd(), i)) == letter) {
            combo_box::select(hwnd(), i);
            properties_.letter = letter;
            return;
        }
    }
    combo_box::select(hwnd(), -1);
    properties_.letter = 0;
}

void DriveBoxObject::confirm_selection() {
    const int at = combo_box::selection(hwnd());
    properties_.letter = at < 0 ? 0 : static_cast<char>(combo_box::item_data(hwnd(), at));
    raise(0);
}

LRESULT DriveBoxObject::colours(HDC dc) const {
    SetTextColor(dc, properties_.text_colour & kColourMask);
    SetBkColor(dc, background_of(properties_.back_colour));
    return reinterpret_cast<LRESULT>(brush_.get());
}

bool DriveBoxObject::on_message(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
    // The dropped list asks the combo box itself, which would pass the question on
    // to a parent that does not know us.
    if (message == WM_CTLCOLORLISTBOX) {
        *result = colours(reinterpret_cast<HDC>(wparam));
        return true;
    }
    return false;
}

bool DriveBoxObject::on_reflected(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) != CBN_SELENDOK) return false;
        confirm_selection();
        *result = 0;
        return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX: *result = colours(reinterpret_cast<HDC>(wparam)); return true;
    default: return false;
    }
}

u32 DriveBoxObject::set_property(i32 property, const ValueRecord& value) {
    const auto* field = forms::set_property(kDriveBoxTable, &properties_, property, value);
    if (!field) return 0;
    switch (field->effect) {
    case kDriveSelectsLetter: {
        const char* text = reinterpret_cast<const char*>(value.value);
        select_letter(text && *text ? upper_drive_letter(*text) : process_drive());
        break;
    }
    case kDriveRefills: fill(); break;
    case kDriveRepaints: InvalidateRect(hwnd(), nullptr, TRUE); break;
    case kDriveSetsBackground:
        make_brush();
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
    case kDriveSetsFont: apply_font(); break;
    default: break;
    }
    return 0;
}

bool DriveBoxObject::get_property(i32 property, ValueRecord* out) {
    // The current drive reads as a one-letter text; no letter yet is the process's drive.
    if (property == kDriveCurrent) {
        letter_text_[0] = properties_.letter ? properties_.letter : process_drive();
        *out = {reinterpret_cast<u32>(letter_text_), 0};
        return true;
    }
    return forms::get_property(kDriveBoxTable, properties_, property, out);
}

ComponentObject* create_drive_box(const CreateRequest& request) {
    DriveBoxProperties properties;
    if (!read_drive_box_properties(request.data, request.length, &properties)) return nullptr;
    PlatformWindow window =
        component_window(request, "COMBOBOX", nullptr, WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL);
    window.height = std::max(window.height, kLeastHeight);
    auto made = std::make_unique<DriveBoxObject>(&kDriveBoxType, request, std::move(properties));
    DriveBoxObject* box = ComponentObject::create(std::move(made), window);
    if (box) box->apply_after_create();
    return box;
}

}  // namespace forms
