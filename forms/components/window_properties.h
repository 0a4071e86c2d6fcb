// The window's property record: its property data block as read from the template
// (version up to 6), its property table and what setting each property does.
#pragma once
#include <array>
#include <iterator>
#include <string>

#include "forms/common_properties.h"
#include "forms/components/picture_placement.h"
#include "forms/property_block.h"
#include "forms/property_indexes.h"

namespace forms {

// The integer words of the block, numbered in stored order from 1.
enum WindowWord : int {
    kWordBorder = 1,
    kWordPictureMode,
    kWordBackColour,
    kWordMaxButton,
    kWordMinButton,
    kWordControlBox,
    kWordStartPosition,
    kWordMovable,
    kWordPlayMode,
    kWordEnterMovesFocus,
    kWordEscapeCloses,
    kWordF1Help,
    kWordHelpContext,
    kWordInTaskbar,          // version 2 and up
    kWordDragByComponents,   // version 3 and up
    kWordShape,              // version 3 and up
    kWordTopmost,            // version 4 and up
    kWordTitleAlwaysActive,  // version 5 and up
    kWindowWordCount = kWordTitleAlwaysActive,
};

// Border kinds and start positions.
enum WindowBorder : u32 {
    kBorderNone = 0,
    kBorderResizable,
    kBorderFixed,
    kBorderResizableTool,
    kBorderFixedTool,
    kBorderResizableSunken,
    kBorderFixedSunken,
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

template <int N>
    requires(N >= 1 && N <= kWindowWordCount)
inline constexpr auto window_word = element<&WindowProperties::words, N - 1>;

// In stored order: thirteen words, the words and the class name later versions added,
// the three blocks, the title and the help file. Choices are lowered to their last
// value on write.
inline constexpr PropertyField<WindowProperties> kWindowFields[] = {
    {.property = kWindowBorder,
     .describe = described("边框", "border", kCodeChoice),
     .word = window_word<kWordBorder>, .keep = Keep::AtMost, .limit = kBorderFixedSunken,
     .effect = kWindowSetsFrame},
    {.property = kWindowPictureMode,
     .describe = described("底图方式", "pictureMode", kCodeChoice),
     .word = window_word<kWordPictureMode>, .keep = Keep::AtMost,
     .limit = kPlaceCentredShrunk, .effect = kWindowRepaints},
    {.property = kWindowBackColour,
     .describe = described("底色", "backColor", kCodeBackColour),
     .word = window_word<kWordBackColour>, .effect = kWindowRepaints},
    {.property = kWindowMaxButton,
     .describe = described("最大化按钮", "maxButton", kCodeLogical),
     .word = window_word<kWordMaxButton>, .effect = kWindowSetsFrame},
    {.property = kWindowMinButton,
     .describe = described("最小化按钮", "minButton", kCodeLogical),
     .word = window_word<kWordMinButton>, .effect = kWindowSetsFrame},
    {.property = kWindowControlBox,
     .describe = described("控制按钮", "controlBox", kCodeLogical),
     .word = window_word<kWordControlBox>, .effect = kWindowSetsFrame},
    {.property = kWindowStartPosition,
     .describe = described("位置", "startPosition", kCodeChoice),
     .word = window_word<kWordStartPosition>, .keep = Keep::AtMost,
     .limit = kStartMaximised},
    {.property = kWindowMovable,
     .describe = described("可否移动", "movable", kCodeLogical),
     .word = window_word<kWordMovable>, .effect = kWindowSetsMovable},
    {.property = kWindowPlayMode,
     .describe = described("播放次数", "playMode", kCodeChoice),
     .word = window_word<kWordPlayMode>, .effect = kWindowRestartsMusic},
    {.property = kWindowEnterMovesFocus,
     .describe = described("回车下移焦点", "enterMovesFocus", kCodeLogical),
     .word = window_word<kWordEnterMovesFocus>},
    {.property = kWindowEscapeCloses,
     .describe = described("Esc键关闭", "escapeCloses", kCodeLogical),
     .word = window_word<kWordEscapeCloses>},
    {.property = kWindowF1Help,
     .describe = described("F1键打开帮助", "f1Help", kCodeLogical),
     .word = window_word<kWordF1Help>},
    {.property = kWindowHelpContext,
     .describe = described("帮助标志值", "helpContext", kCodeInteger2),
     .word = window_word<kWordHelpContext>},
    {.property = kWindowInTaskbar,
     .describe = described("在任务条中显示", "showInTaskbar", kCodeLogical),
     .word = window_word<kWordInTaskbar>, .since = 2},
    {.property = kWindowDragByComponents,
     .describe = described("随意移动", "dragByComponents", kCodeLogical),
     .word = window_word<kWordDragByComponents>, .since = 3},
    {.property = kWindowShape,
     .describe = described("外形", "shape", kCodeChoice),
     .word = window_word<kWordShape>, .since = 3, .effect = kWindowSetsShape},
    {.property = kWindowTopmost,
     .describe = described("总在最前", "topmost", kCodeLogical),
     .word = window_word<kWordTopmost>, .since = 4, .effect = kWindowSetsTopmost},
    {.property = kWindowTitleAlwaysActive,
     .describe = described("保持标题条激活", "titleAlwaysActive", kCodeLogical),
     .word = window_word<kWordTitleAlwaysActive>, .since = 5,
     .effect = kWindowSetsFrame},
    {.property = kWindowClassName,
     .describe = described("窗口类名", "className", kCodeText),
     .text = member<&WindowProperties::class_name>, .since = 6},
    {.property = kWindowPicture,
     .describe = described("底图", "picture", kCodePicture),
     .block = member<&WindowProperties::picture>, .effect = kWindowSetsPicture},
    {.property = kWindowIcon,
     .describe = described("图标", "icon", kCodeIcon),
     .block = member<&WindowProperties::icon>, .effect = kWindowSetsIcon},
    {.property = kWindowMusic,
     .describe = described("背景音乐", "music", kCodeSound),
     .block = member<&WindowProperties::music>, .effect = kWindowRestartsMusic},
    {.property = kWindowTitle,
     .describe = described("标题", "caption", kCodeText),
     .text = member<&WindowProperties::title>, .effect = kWindowSetsTitle},
    {.property = kWindowHelpFile,
     .describe = described("帮助文件名", "helpFile", kCodeFileName),
     .text = member<&WindowProperties::help_file>},
};
static_assert(std::size(kWindowFields) == kWindowPropertyCount - kCommonPropertyCount);

WindowProperties window_defaults();
void window_texts(const WindowProperties& properties, TextCallback callback, void* context);

inline constexpr PropertyTable<WindowProperties> kWindowTable = {6, kWindowFields, window_defaults, window_texts};

// The property descriptors the type shows, built from the table.
extern const std::array<PropertyDescriptor, kWindowPropertyCount> kWindowDescriptors;

// False for a version above 6 or data that runs out; an empty block gives defaults.
bool read_window_properties(const std::uint8_t* data, u32 length, WindowProperties* out);
ByteBlock write_window_properties(const WindowProperties& properties);

}  // namespace forms
