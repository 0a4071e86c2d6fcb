// What the window system's core asks of a loaded window: the loader shows it and
// makes it modal, the keyboard handling reads its key settings, the shared
// component procedure asks whether its components drag it. The window type
// implements it; the core never sees the window's property record.
#pragma once
#include <string>

#include "forms/component_object.h"

namespace forms {

// The key settings of a window's properties.
struct WindowKeys {
    bool enter_moves_focus;
    bool escape_closes;
    bool f1_opens_help;
    u32 help_context;
    std::string help_file;  // empty: the program's own help file
};

class WindowBase : public ComponentObject {
public:
    WindowBase(const rt::ComponentType* type, u32 window_id, u32 component_id);
    ~WindowBase() override;

    // The loaded window with this id, or null.
    static WindowBase* of(u32 window_id);
    // Destroys every window object still alive, templates or not (the end sequence
    // frees the templates first).
    static void destroy_all();

    bool loaded() const { return loaded_; }
    void mark_loaded() { loaded_ = true; }

    // Shows the window as its start position says (maximised, minimised or normal).
    virtual void show_by_start_position() = 0;
    // Disables every other loaded top-level window, remembering how each was.
    virtual void make_modal() = 0;
    virtual WindowKeys keys() const = 0;
    // F1 opened the help file: it is closed with the window.
    virtual void note_help_shown() = 0;
    // Whether dragging a label or group box of this window drags the window.
    virtual bool drags_by_components() const = 0;

private:
    bool loaded_ = false;
};

// Whether dragging a label or group box of this window drags the window.
bool window_drags_by_components(u32 window_id);

}  // namespace forms
