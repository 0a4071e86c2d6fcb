// The super button (超级按钮): an owner-drawn platform button with a flat style that
// lights up under the mouse, three pictures, a toggle behaviour, sounds and a
// tooltip.
#pragma once
#include <windows.h>

#include "forms/component_object.h"
#include "forms/components/super_button_look.h"
#include "forms/components/super_button_pictures.h"
#include "forms/components/super_button_properties.h"
#include "forms/components/super_button_tooltip.h"
#include "runtime/handle_owners.h"

namespace forms {

class SuperButtonObject : public ComponentObject {
public:
    SuperButtonObject(const rt::ComponentType* type, const CreateRequest& request, SuperButtonProperties properties);
    ~SuperButtonObject() override;

    const SuperButtonProperties& properties() const { return properties_; }

    // Once the platform window exists: takes over its button type, then font and
    // tooltip.
    void adopt_window();

    // Operations 4 and 6 by component-specific index.
    u32 set_property(i32 property, const ValueRecord& value);
    bool get_property(i32 property, ValueRecord* out) const;
    // Operation 10.
    bool is_default_button() const { return default_button_; }

    bool hovered() const { return hovered_; }
    bool checked() const { return checked_; }
    bool is_toggle() const { return toggle_; }
    const ButtonTooltip& tooltip() const { return tooltip_; }
    // What the last drawing decided, and how many drawings there were.
    const Look& last_look() const { return last_look_; }
    int drawings() const { return drawings_; }

    bool pre_translate(MSG* message) override;

protected:
    bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    bool on_reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    void rescale(int dpi) override;

private:
    void apply_style();
    void apply_colours();
    void apply_font();
    void make_slot(int slot);
    void redraw();
    void track_mouse(WPARAM keys, LPARAM position);
    void end_highlight();
    void on_disabled();
    void click();
    void draw(const DRAWITEMSTRUCT& item);
    LookInput look_input(const DRAWITEMSTRUCT& item) const;

    SuperButtonProperties properties_;
    int dpi_;  // the pictures are sized for it
    bool flat_ = true;
    bool rounded_ = false;
    bool hovered_ = false;
    bool toggle_ = false;
    bool checked_ = false;
    bool default_button_ = false;
    bool focus_lost_to_disabling_ = false;
    POINT press_offset_ = {1, 1};
    PictureSlot slots_[kSlotCount];
    ButtonColours colours_ = {};
    rt::GdiObject<HFONT> font_;  // made from the font property; none: the default GUI font
    ButtonTooltip tooltip_;
    Look last_look_ = {};
    int drawings_ = 0;
};

// Operation 1 of the super button.
ComponentObject* create_super_button(const CreateRequest& request);

}  // namespace forms
