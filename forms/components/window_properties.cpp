#include "forms/components/window_properties.h"

#include <iterator>

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
    {.property = kWindowBorder, .word = &word<kWordBorder>, .keep = Keep::AtMost, .limit = kBorderFixedSunken,
     .effect = kWindowSetsFrame},
    {.property = kWindowPictureMode, .word = &word<kWordPictureMode>, .keep = Keep::AtMost,
     .limit = kPlaceCentredShrunk, .effect = kWindowRepaints},
    {.property = kWindowBackColour, .word = &word<kWordBackColour>, .effect = kWindowRepaints},
    {.property = kWindowMaxButton, .word = &word<kWordMaxButton>, .effect = kWindowSetsFrame},
    {.property = kWindowMinButton, .word = &word<kWordMinButton>, .effect = kWindowSetsFrame},
    {.property = kWindowControlBox, .word = &word<kWordControlBox>, .effect = kWindowSetsFrame},
    {.property = kWindowStartPosition, .word = &word<kWordStartPosition>, .keep = Keep::AtMost,
     .limit = kStartMaximised},
    {.property = kWindowMovable, .word = &word<kWordMovable>, .effect = kWindowSetsMovable},
    {.property = kWindowPlayMode, .word = &word<kWordPlayMode>, .effect = kWindowRestartsMusic},
    {.property = kWindowEnterMovesFocus, .word = &word<kWordEnterMovesFocus>},
    {.property = kWindowEscapeCloses, .word = &word<kWordEscapeCloses>},
    {.property = kWindowF1Help, .word = &word<kWordF1Help>},
    {.property = kWindowHelpContext, .word = &word<kWordHelpContext>},
    {.property = kWindowInTaskbar, .word = &word<kWordInTaskbar>, .since = 2},
    {.property = kWindowDragByComponents, .word = &word<kWordDragByComponents>, .since = 3},
    {.property = kWindowShape, .word = &word<kWordShape>, .since = 3, .effect = kWindowSetsShape},
    {.property = kWindowTopmost, .word = &word<kWordTopmost>, .since = 4, .effect = kWindowSetsTopmost},
    {.property = kWindowTitleAlwaysActive, .word = &word<kWordTitleAlwaysActive>, .since = 5,
     .effect = kWindowSetsFrame},
    {.property = kWindowClassName, .text = &member<&WindowProperties::class_name>, .since = 6},
    {.property = kWindowPicture, .block = &member<&WindowProperties::picture>, .effect = kWindowSetsPicture},
    {.property = kWindowIcon, .block = &member<&WindowProperties::icon>, .effect = kWindowSetsIcon},
    {.property = kWindowMusic, .block = &member<&WindowProperties::music>, .effect = kWindowRestartsMusic},
    {.property = kWindowTitle, .text = &member<&WindowProperties::title>, .effect = kWindowSetsTitle},
    {.property = kWindowHelpFile, .text = &member<&WindowProperties::help_file>},
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

const PropertyTable<WindowProperties> kWindowTable = {6, kFields, defaults, texts};

bool read_window_properties(const std::uint8_t* data, u32 length, WindowProperties* out) {
    return read_properties(kWindowTable, data, length, out);
}

ByteBlock write_window_properties(const WindowProperties& properties) {
    return write_properties(kWindowTable, properties);
}

}  // namespace forms
