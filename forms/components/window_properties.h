// The window's property record: its property data block as read from the template
// (version up to 6), its property table and what setting each property does.
#pragma once
#include <array>
#include <string>

#include "forms/property_block.h"
#include "forms/property_indexes.h"

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

// What setting a window property does once the value is stored.
enum WindowSetEffect : int {
    kWindowReadWhenUsed = 0,  // keys, help, taskbar, dragging, class name
    kWindowSetsTitle,
    kWindowSetsFrame,
    kWindowSetsPicture,
    kWindowRepaints,
    kWindowRestartsMusic,     // the playing music is stopped before its data changes
    kWindowSetsMovable,
    kWindowSetsIcon,
    kWindowSetsShape,
    kWindowSetsTopmost,
};

extern const PropertyTable<WindowProperties> kWindowTable;
// The property descriptors the type shows, built from the table.
extern const std::array<PropertyDescriptor, kWindowPropertyCount> kWindowDescriptors;

// False for a version above 6 or data that runs out; an empty block gives defaults.
bool read_window_properties(const std::uint8_t* data, u32 length, WindowProperties* out);
ByteBlock write_window_properties(const WindowProperties& properties);

}  // namespace forms
