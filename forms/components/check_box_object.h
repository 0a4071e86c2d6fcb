// The run-time object of the check box and the radio button: a platform button in
// its automatic check-box or automatic radio-button form. The ticked state lives in
// the control; the stored word follows it whenever it is read or written.
#pragma once
#include "forms/components/button_picture.h"
#include "forms/components/button_resources.h"
#include "forms/components/check_box_properties.h"

namespace forms {

class CheckObject : public BlockObject {
public:
    CheckObject(const rt::ComponentType* type, const BlockLayout& layout, const CreateRequest& request,
                StoredBlock stored);

    bool is_radio() const { return &layout() == &kRadioLayout; }
    DWORD platform_style() const override;
    void apply_after_create() override;

    bool get_property(i32 property, ValueRecord* out) override;
    ByteBlock save() override;

protected:
    bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    bool on_reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    u32 apply(const PropertyRow& row) override;

    void rescale(int dpi) override;

private:
    // Ticks or clears this control only: other radio buttons keep their state.
    void set_check(bool ticked);
    void refresh_ticked();

    ControlFont font_;
    BackgroundBrush background_;
    ButtonPicture picture_;
    bool focus_changing_ = false;
};

// Operation 1 of the two types.
ComponentObject* create_check_box(const CreateRequest& request);
ComponentObject* create_radio_button(const CreateRequest& request);

}  // namespace forms
