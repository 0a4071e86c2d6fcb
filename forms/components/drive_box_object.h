// The drive box (驱动器框): a drop-down list of the machine's drives on the platform
// combo box. It fills the list itself and keeps the chosen drive letter.
#pragma once
#include <windows.h>

#include "forms/component_object.h"
#include "forms/components/drive_box_properties.h"
#include "runtime/handle_owners.h"

namespace forms {

class DriveBoxObject : public ComponentObject {
public:
    DriveBoxObject(const rt::ComponentType* type, const CreateRequest& request, DriveBoxProperties properties);
    ~DriveBoxObject() override;

    const DriveBoxProperties& properties() const { return properties_; }

    // Operations 4 and 6 by full property index; no property asks for a rebuild.
    u32 set_property(i32 property, const ValueRecord& value);
    bool get_property(i32 property, ValueRecord* out);

    // Empties the list and fills it again from the platform's drives.
    void fill();

    // Once the platform window exists: colours, font and the list.
    void apply_after_create();

protected:
    bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    bool on_reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    // The list's items take their height from the font.
    void rescale(int /*dpi*/) override { apply_font(); }

private:
    void select_letter(char letter);
    void confirm_selection();
    void make_brush();
    void apply_font();
    LRESULT colours(HDC dc) const;

    DriveBoxProperties properties_;
    rt::GdiObject<HBRUSH> brush_;  // background
    rt::GdiObject<HFONT> font_;    // made from the font property; none: the default GUI font
    char letter_text_[2] = {0, 0};  // what a read of the current drive points at
};

// Operation 1 of the drive box.
ComponentObject* create_drive_box(const CreateRequest& request);

}  // namespace forms
