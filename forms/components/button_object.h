// The push button's run-time object: a platform button control that reports clicks
// as event 0 and can be the window's default button.
#pragma once
#include "forms/components/button_picture.h"
#include "forms/components/button_properties.h"
#include "forms/components/button_resources.h"

namespace forms {

class ButtonObject : public BlockObject {
public:
    ButtonObject(const CreateRequest& request, StoredBlock stored);

    bool is_default_button() const { return stored_.word(kButtonKind) == kButtonDefault; }
    DWORD platform_style() const override;
    void apply_after_create() override;

protected:
    bool on_reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    u32 apply(const PropertyRow& row) override;

    void rescale(int dpi) override;

private:
    ControlFont font_;
    ButtonPicture picture_;
};

// Operation 1 of the button type.
ComponentObject* create_button(const CreateRequest& request);

}  // namespace forms
