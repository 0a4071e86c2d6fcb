// The window object: a loaded window's platform window with its property record,
// its modal bookkeeping and its part of the close, destroy and activation lifecycle.
#pragma once
#include <utility>
#include <vector>

#include "forms/components/picture.h"
#include "runtime/handle_owners.h"
#include "forms/components/window_properties.h"
#include "forms/window_base.h"

namespace forms {

class WindowObject : public WindowBase {
public:
    WindowObject(const rt::ComponentType* type, const CreateRequest& request, WindowProperties properties);
    ~WindowObject() override;

    // The loaded window with this id, or null.
    static WindowObject* of(u32 window_id);

    const WindowProperties& properties() const { return properties_; }
    bool is_child() const { return as_child_; }
    bool is_modal() const { return modal_; }

    // Applies what the property record says once the platform window exists: icon,
    // shape, default font, topmost, movable, background music.
    void apply_after_create();

    void show_by_start_position() override;
    void make_modal() override;
    WindowKeys keys() const override;
    bool drags_by_components() const override;

    // Interface operations 4 and 6 by full property index.
    u32 set_property(i32 property, const ValueRecord& value);
    bool get_property(i32 property, ValueRecord* out) const;

    bool pre_translate(MSG* message) override;

    void note_help_shown() override { help_shown_ = true; }

    // Runs the close request: event 12, then event 1; true when the window closed.
    bool request_close();

protected:
    bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
    void on_destroyed() override;

private:
    bool on_activate(WPARAM wparam, LPARAM lparam, LRESULT* result);
    void re_enable_disabled_windows();
    void apply_frame();
    void apply_default_font();
    void follow_dpi(int dpi, const RECT* suggested);
    void apply_icon();
    void apply_shape();
    void apply_topmost();
    void apply_movable();
    void start_music();
    void stop_music();
    void erase_background(HDC dc);
    void decode_background_picture();

    WindowProperties properties_;
    bool as_child_;
    bool owned_;
    bool modal_ = false;
    std::vector<std::pair<HWND, bool>> disabled_windows_;  // handle, was enabled
    bool first_activation_seen_ = false;
    rt::OwnedIcon big_icon_;    // made from the icon property
    rt::OwnedIcon small_icon_;
    bool help_shown_ = false;
    bool music_playing_ = false;
    bool shaped_ = false;  // a region of ours is set on the window
    HWND last_focus_ = nullptr;
    HFONT font_ = nullptr;  // set by WM_SETFONT; not ours to delete
    rt::GdiObject<HFONT> default_font_;  // the default GUI font at the window's DPI; none: the stock one
    Picture picture_;       // the background picture, decoded when it is set, not per paint
};

// The platform frame of a window with these properties: styles and extended styles.
struct WindowFrame {
    DWORD style;
    DWORD ex_style;
};
WindowFrame window_frame(const WindowProperties& properties, bool as_child, bool owned);

// Operation 1 of the window type.
ComponentObject* create_window_component(const CreateRequest& request);

// The class a window registers when its property names none.
extern const char kDefaultWindowClass[];

}  // namespace forms
