// The label's run-time object: a window of the runtime's own class `_QX_Label` that
// paints itself from the label's properties.
#pragma once
#include "forms/components/button_resources.h"
#include "forms/components/label_properties.h"
#include "forms/components/picture.h"

namespace forms {

extern const char kLabelClass[];

class LabelObject : public BlockObject {
public:
    LabelObject(const CreateRequest& request, StoredBlock stored);

    // Its frame, by the border property.
    DWORD platform_style() const override;
    DWORD platform_ex_style() const override;

protected:
    bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    u32 apply(const PropertyRow& row) override;
    void rescale(int dpi) override;

private:
    void paint(HDC dc);
    void paint_buffered(HDC dc);
    void apply_frame();
    // Decoded on first use and kept until the picture changes.
    const Picture* background_picture();

    ControlFont font_;
    Picture picture_;
    bool picture_decoded_ = false;
};

// The platform frame of a border choice: 0 and 6 have none (6 is drawn by the label).
struct LabelFrame {
    DWORD style;
    DWORD ex_style;
};
LabelFrame label_frame(u32 border);

// Operation 1 of the label type.
ComponentObject* create_label(const CreateRequest& request);

}  // namespace forms
