#include "forms/components/window_properties.h"

#include <iterator>

#include "forms/components/picture_placement.h"
#include "forms/property_archive.h"

namespace forms {
namespace {

enum class Store { Word, Title, ClassName, HelpFile, Picture, Icon, Music };

// Where each property of the window lives in its record; choices are clamped to
// `max_choice` on write (0: no upper bound).
struct Row {
    i32 property;
    Store store;
    int word;
    u32 max_choice;
};

constexpr Row kRows[] = {
    {kWindowTitle, Store::Title, 0, 0},
    {kWindowBorder, Store::Word, kWordBorder, kBorderFixedSunken},
    {kWindowBackColour, Store::Word, kWordBackColour, 0},
    {kWindowPicture, Store::Picture, 0, 0},
    {kWindowPictureMode, Store::Word, kWordPictureMode, kPlaceCentredShrunk},
    {kWindowMusic, Store::Music, 0, 0},
    {kWindowPlayMode, Store::Word, kWordPlayMode, 0},
    {kWindowControlBox, Store::Word, kWordControlBox, 0},
    {kWindowMaxButton, Store::Word, kWordMaxButton, 0},
    {kWindowMinButton, Store::Word, kWordMinButton, 0},
    {kWindowStartPosition, Store::Word, kWordStartPosition, kStartMaximised},
    {kWindowMovable, Store::Word, kWordMovable, 0},
    {kWindowIcon, Store::Icon, 0, 0},
    {kWindowEnterMovesFocus, Store::Word, kWordEnterMovesFocus, 0},
    {kWindowEscapeCloses, Store::Word, kWordEscapeCloses, 0},
    {kWindowF1Help, Store::Word, kWordF1Help, 0},
    {kWindowHelpFile, Store::HelpFile, 0, 0},
    {kWindowHelpContext, Store::Word, kWordHelpContext, 0},
    {kWindowInTaskbar, Store::Word, kWordInTaskbar, 0},
    {kWindowDragByComponents, Store::Word, kWordDragByComponents, 0},
    {kWindowShape, Store::Word, kWordShape, 0},
    {kWindowTopmost, Store::Word, kWordTopmost, 0},
    {kWindowTitleAlwaysActive, Store::Word, kWordTitleAlwaysActive, 0},
    {kWindowClassName, Store::ClassName, 0, 0},
};
static_assert(std::size(kRows) == kWindowPropertyCount - 8);

const Row* row_of(i32 index) {
    const i32 property = index + 8;
    for (const Row& r : kRows)
        if (r.property == property) return &r;
    return nullptr;
}

const std::string* text_of(const WindowProperties& p, Store s) {
    switch (s) {
    case Store::Title: return &p.title;
    case Store::ClassName: return &p.class_name;
    case Store::HelpFile: return &p.help_file;
    default: return nullptr;
    }
}

const ByteBlock* block_of(const WindowProperties& p, Store s) {
    switch (s) {
    case Store::Picture: return &p.picture;
    case Store::Icon: return &p.icon;
    case Store::Music: return &p.music;
    default: return nullptr;
    }
}

bool read_words(PropertyReader& in, WindowProperties* out, int first, int last) {
    for (int n = first; n <= last; ++n) {
        u32 v;
        if (!in.u32_word(&v)) return false;
        out->set_word(n, v);
    }
    return true;
}

}  // namespace

bool read_window_properties(const std::uint8_t* data, u32 length, WindowProperties* out) {
    *out = WindowProperties{};
    if (length == 0) return true;
    PropertyReader in(data, length);
    u32 version = 0;
    if (!in.u32_word(&version) || version > kWindowBlockVersion) return false;
    if (!read_words(in, out, kWordBorder, kWordHelpContext)) return false;
    if (version >= 2 && !read_words(in, out, kWordInTaskbar, kWordInTaskbar)) return false;
    if (version >= 3 && !read_words(in, out, kWordDragByComponents, kWordShape)) return false;
    if (version >= 4 && !read_words(in, out, kWordTopmost, kWordTopmost)) return false;
    if (version >= 5 && !read_words(in, out, kWordTitleAlwaysActive, kWordTitleAlwaysActive)) return false;
    if (version >= 6 && !in.text(&out->class_name)) return false;
    return in.block(&out->picture) && in.block(&out->icon) && in.block(&out->music) && in.text(&out->title) &&
           in.text(&out->help_file);
}

ByteBlock write_window_properties(const WindowProperties& p) {
    PropertyWriter out;
    out.u32_word(kWindowBlockVersion);
    for (u32 w : p.words) out.u32_word(w);
    out.text(p.class_name);
    out.block(p.picture);
    out.block(p.icon);
    out.block(p.music);
    out.text(p.title);
    out.text(p.help_file);
    return out.bytes();
}

bool get_window_property(const WindowProperties& p, i32 index, ValueRecord* out) {
    const Row* row = row_of(index);
    if (!row) return false;
    if (row->store == Store::Word) {
        *out = {p.word(row->word), 0};
    } else if (const std::string* text = text_of(p, row->store)) {
        *out = {reinterpret_cast<u32>(text->c_str()), 0};
    } else {
        const ByteBlock* block = block_of(p, row->store);
        *out = {reinterpret_cast<u32>(block->data()), static_cast<u32>(block->size())};
    }
    return true;
}

bool set_window_property(WindowProperties* p, i32 index, const ValueRecord& value) {
    const Row* row = row_of(index);
    if (!row) return false;
    switch (row->store) {
    case Store::Word: {
        u32 v = value.value;
        if (row->max_choice && static_cast<i32>(v) > static_cast<i32>(row->max_choice)) v = row->max_choice;
        p->set_word(row->word, v);
        return true;
    }
    case Store::Title:
    case Store::ClassName:
    case Store::HelpFile: {
        const char* text = reinterpret_cast<const char*>(value.value);
        *const_cast<std::string*>(text_of(*p, row->store)) = text ? text : "";
        return true;
    }
    case Store::Picture:
    case Store::Icon:
    case Store::Music: {
        const auto* data = reinterpret_cast<const std::uint8_t*>(value.value);
        auto* block = const_cast<ByteBlock*>(block_of(*p, row->store));
        if (data && value.second)
            block->assign(data, data + value.second);
        else
            block->clear();
        return true;
    }
    }
    return false;
}

}  // namespace forms
