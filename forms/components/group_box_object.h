// The group box's run-time object: a platform group-box frame that paints its caption
// and background in its own colours and contains the components listed as its
// children.
#pragma once
#include "forms/components/button_resources.h"
#include "forms/components/group_box_properties.h"

namespace forms {

class GroupBoxObject : public BlockObject {
public:
    GroupBoxObject(const CreateRequest& request, StoredBlock stored);

    DWORD platform_style() const override;
    void apply_after_create() override;

protected:
    bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    bool on_reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    u32 apply(const PropertyRow& row) override;

    void rescale(int dpi) override { font_.rescale(hwnd(), dpi); }

private:
    ControlFont font_;
    BackgroundBrush background_;
};

// Operation 1 of the group box type.
ComponentObject* create_group_box(const CreateRequest& request);

}  // namespace forms
