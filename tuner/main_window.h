// The tool's window: its components and the properties the handlers use, behind a
// few readable operations.
#pragma once
#include "forms/property_indexes.h"
#include "logic/calls.h"
#include "tuner/main_window_ids.h"
#include "tuner/program_info.h"

namespace tuner {

// The window's title property; the window's own record is kWindowItself.
inline constexpr rt::i32 kWindowTitle = forms::kWindowTitle;

// Property indexes of the component types.
inline constexpr rt::i32 kLabelCaption = forms::kLabelCaption;
inline constexpr rt::i32 kLabelTextColour = forms::kLabelTextColour;
inline constexpr rt::i32 kChecked = forms::kCheckTicked;
inline constexpr rt::i32 kRadioTextColour = forms::kCheckTextColour;
inline constexpr rt::i32 kCurrentDrive = forms::kDriveCurrent;

// Colours, 0x00BBGGRR.
inline constexpr rt::u32 kTeal = 0x808000;
inline constexpr rt::u32 kBlue = 0xFF0000;
inline constexpr rt::u32 kRed = 0x0000FF;

// Message box style: error icon and an OK button.
inline constexpr rt::i32 kErrorStyle = 16;

inline constexpr logic::Window kMainWindow{kMainWindowId};

inline logic::Text caption_of(Component label) { return kMainWindow.read_text(label, kLabelCaption); }
inline void set_caption(Component label, const char* text) { kMainWindow.write_text(label, kLabelCaption, text); }
inline void set_text_colour(Component label, rt::u32 colour) {
    kMainWindow.write(label, kLabelTextColour, colour);
}
inline void show_result(const char* text, rt::u32 colour) {
    set_text_colour(kResultLabel, colour);
    set_caption(kResultLabel, text);
}
inline void clear_result() { set_caption(kResultLabel, nullptr); }

// Only the value 1 counts as ticked.
inline bool is_ticked(Component box) { return kMainWindow.read_int(box, kChecked) == 1; }
inline void set_ticked(Component box, bool ticked) { kMainWindow.write_int(box, kChecked, ticked ? 1 : 0); }

}  // namespace tuner
