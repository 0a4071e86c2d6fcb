#include "forms/components/window_properties.h"

#include <iterator>

#include "forms/common_properties.h"

#include "forms/components/picture_placement.h"

namespace forms {
namespace {

template <int N>
u32& word(WindowProperties& p) {
    static_assert(N >= 1 && N <= kWindowWordCount);
    return p.words[N - 1];
}

using Field = PropertyField<WindowProperties>;

// In stored order: thirteen words, the words and the class name later versions added,
// the three blocks, the title and the help file. Choices are lowered to their last
// value on write.
constexpr Field kFields[] = {
    {.property = kWindowBorder,
     .describe = described("边框", "border", kCodeChoice),
     .word = &word<kWordBorder>, .keep = Keep::AtMost, .limit = kBorderFixedSunken,
     .effect = kWindowSetsFrame},
    {.property = kWindowPictureMode,
     .describe = described("底图方式", "pictureMode", kCodeChoice),
     .word = &word<kWordPictureMode>, .keep = Keep::AtMost,
     .limit = kPlaceCentredShrunk, .effect = kWindowRepaints},
    {.property = kWindowBackColour,
     .describe = described("底色", "backColor", kCodeBackColour),
     .word = &word<kWordBackColour>, .effect = kWindowRepaints},
    {.property = kWindowMaxButton,
     .describe = described("最大化按钮", "maxButton", kCodeLogical),
     .word = &word<kWordMaxButton>, .effect = kWindowSetsFrame},
    {.property = kWindowMinButton,
     .describe = described("最小化按钮", "minButton", kCodeLogical),
     .word = &word<kWordMinButton>, .effect = kWindowSetsFrame},
    {.property = kWindowControlBox,
     .describe = described("控制按钮", "controlBox", kCodeLogical),
     .word = &word<kWordControlBox>, .effect = kWindowSetsFrame},
    {.property = kWindowStartPosition,
     .describe = described("位置", "startPosition", kCodeChoice),
     .word = &word<kWordStartPosition>, .keep = Keep::AtMost,
     .limit = kStartMaximised},
    {.property = kWindowMovable,
     .describe = described("可否移动", "movable", kCodeLogical),
     .word = &word<kWordMovable>, .effect = kWindowSetsMovable},
    {.property = kWindowPlayMode,
     .describe = described("播放次数", "playMode", kCodeChoice),
     .word = &word<kWordPlayMode>, .effect = kWindowRestartsMusic},
    {.property = kWindowEnterMovesFocus,
     .describe = described("回车下移焦点", "enterMovesFocus", kCodeLogical),
     .word = &word<kWordEnterMovesFocus>},
    {.property = kWindowEscapeCloses,
     .describe = described("Esc键关闭", "escapeCloses", kCodeLogical),
     .word = &word<kWordEscapeCloses>},
    {.property = kWindowF1Help,
     .describe = described("F1键打开帮助", "f1Help", kCodeLogical),
     .word = &word<kWordF1Help>},
    {.property = kWindowHelpContext,
     .describe = described("帮助标志值", "helpContext", kCodeInteger2),
     .word = &word<kWordHelpContext>},
    {.property = kWindowInTaskbar,
     .describe = described("在任务条中显示", "showInTaskbar", kCodeLogical),
     .word = &word<kWordInTaskbar>, .since = 2},
    {.property = kWindowDragByComponents,
     .describe = described("随意移动", "dragByComponents", kCodeLogical),
     .word = &word<kWordDragByComponents>, .since = 3},
    {.property = kWindowShape,
     .describe = described("外形", "shape", kCodeChoice),
     .word = &word<kWordShape>, .since = 3, .effect = kWindowSetsShape},
    {.property = kWindowTopmost,
     .describe = described("总在最前", "topmost", kCodeLogical),
     .word = &word<kWordTopmost>, .since = 4, .effect = kWindowSetsTopmost},
    {.property = kWindowTitleAlwaysActive,
     .describe = described("保持标题条激活", "titleAlwaysActive", kCodeLogical),
     .word = &word<kWordTitleAlwaysActive>, .since = 5,
     .effect = kWindowSetsFrame},
    {.property = kWindowClassName,
     .describe = described("窗口类名", "className", kCodeText),
     .text = &member<&WindowProperties::class_name>, .since = 6},
    {.property = kWindowPicture,
     .describe = described("底图", "picture", kCodePicture),
     .block = &member<&WindowProperties::picture>, .effect = kWindowSetsPicture},
    {.property = kWindowIcon,
     .describe = described("图标", "icon", kCodeIcon),
     .block = &member<&WindowProperties::icon>, .effect = kWindowSetsIcon},
    {.property = kWindowMusic,
     .describe = described("背景音乐", "music", kCodeSound),
     .block = &member<&WindowProperties::music>, .effect = kWindowRestartsMusic},
    {.property = kWindowTitle,
     .describe = described("标题", "caption", kCodeText),
     .text = &member<&WindowProperties::title>, .effect = kWindowSetsTitle},
    {.property = kWindowHelpFile,
     .describe = described("帮助文件名", "helpFile", kCodeFileName),
     .text = &member<&WindowProperties::help_file>},
};
static_assert(std::size(kFields) == kWindowPropertyCount - kCommonPropertyCount);
static_assert(kWindowWordCount == 18);

WindowProperties defaults() { return {}; }

void texts(const WindowProperties& p, TextCallback callback, void* context) {
    callback(p.title.c_str(), context);
    callback(p.help_file.c_str(), context);
    callback(p.class_name.c_str(), context);
}

}  // namespace

constexpr std::array<PropertyDescriptor, kWindowPropertyCount> kWindowDescriptors =
    property_descriptors<kWindowPropertyCount - kCommonPropertyCount>(kFields);
static_assert(every_property_described(kWindowDescriptors));

const PropertyTable<WindowProperties> kWindowTable = {6, kFields, defaults, texts};

bool read_window_properties(const std::uint8_t* data, u32 length, WindowProperties* out) {
    return read_properties(kWindowTable, data, length, out);
}

ByteBlock write_window_properties(const WindowProperties& properties) {
    return write_properties(kWindowTable, properties);
}

}  // namespace forms
