// The window's property record: its property data block as read from the template
// (version up to 6), and access by component-specific index (property index - 8).
#pragma once
#include <string>

#include "forms/component_type.h"
#include "forms/template_model.h"

namespace forms {

// The integer words of the block, numbered in stored order from 1.
enum WindowWord : int {
    kWordBorder = 1,
    kWordPictureMode = 2,
    kWordBackColour = 3,
    kWordMaxButton = 4,
    kWordMinButton = 5,
    kWordControlBox = 6,
    kWordStartPosition = 7,
    kWordMovable = 8,
    kWordPlayMode = 9,
    kWordEnterMovesFocus = 10,
    kWordEscapeCloses = 11,
    kWordF1Help = 12,
    kWordHelpContext = 13,
    kWordInTaskbar = 14,        // version 2 and up
    kWordDragByComponents = 15,  // version 3 and up
    kWordShape = 16,            // version 3 and up
    kWordTopmost = 17,          // version 4 and up
    kWordTitleAlwaysActive = 18,  // version 5 and up
    kWindowWordCount = 18,
};

// Property indexes of the window type.
enum WindowProperty : i32 {
    kWindowTitle = 8,
    kWindowBorder = 9,
    kWindowBackColour = 10,
    kWindowPicture = 11,
    kWindowPictureMode = 12,
    kWindowMusic = 13,
    kWindowPlayMode = 14,
    kWindowControlBox = 15,
    kWindowMaxButton = 16,
    kWindowMinButton = 17,
    kWindowStartPosition = 18,
    kWindowMovable = 19,
    kWindowIcon = 20,
    kWindowEnterMovesFocus = 21,
    kWindowEscapeCloses = 22,
    kWindowF1Help = 23,
    kWindowHelpFile = 24,
    kWindowHelpContext = 25,
    kWindowInTaskbar = 26,
    kWindowDragByComponents = 27,
    kWindowShape = 28,
    kWindowTopmost = 29,
    kWindowTitleAlwaysActive = 30,
    kWindowClassName = 31,
    kWindowPropertyCount = 32,
};

// Border kinds and start positions.
enum WindowBorder : u32 {
    kBorderNone = 0,
    kBorderResizable = 1,
    kBorderFixed = 2,
    kBorderResizableTool = 3,
    kBorderFixedTool = 4,
    kBorderResizableSunken = 5,
    kBorderFixedSunken = 6,
};
enum StartPosition : u32 { kStartAsStored = 0, kStartCentred = 1, kStartMinimised = 2, kStartMaximised = 3 };
enum WindowShape : u32 { kShapeRectangle = 0, kShapeEllipse = 1, kShapeRoundRect = 2, kShapeRing = 3 };

inline constexpr u32 kWindowBlockVersion = 6;

struct WindowProperties {
    u32 words[kWindowWordCount] = {
        kBorderFixed, 1, kDefaultColour, 0, 1, 1, kStartCentred, 1, 0, 0, 1, 0, 0, 1, 0, kShapeRectangle, 0, 0,
    };
    std::string title;
    std::string class_name;  // empty: the runtime's own class
    std::string help_file;
    ByteBlock picture, icon, music;

    u32 word(int n) const { return words[n - 1]; }
    void set_word(int n, u32 v) { words[n - 1] = v; }
    // Logical words count as true only when they hold exactly 1.
    bool flag(int n) const { return word(n) == 1; }
};

// False for a version above 6 or data that runs out; an empty block gives defaults.
bool read_window_properties(const std::uint8_t* data, u32 length, WindowProperties* out);
ByteBlock write_window_properties(const WindowProperties& properties);

// By component-specific index. Get points the record at the stored text or data.
bool get_window_property(const WindowProperties& properties, i32 index, ValueRecord* out);
// Stores the value (choices clamped to their range); false for an unknown index.
bool set_window_property(WindowProperties* properties, i32 index, const ValueRecord& value);

// Every text the block holds, for the enumerate-texts operation.
template <typename Visit>
void visit_window_texts(const WindowProperties& p, Visit visit) {
    visit(p.title);
    visit(p.help_file);
    visit(p.class_name);
}

}  // namespace forms
