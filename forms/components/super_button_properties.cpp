#include "forms/components/super_button_properties.h"

#include <iterator>

#include "forms/components/super_button_colours.h"
#include "forms/property_archive.h"

namespace forms {
namespace {

using P = SuperButtonProperties;

// Where each property lives, the largest value a choice may hold, and what setting
// it does. Exactly one of word, block and text is set.
struct Row {
    i32 property;
    u32 P::*word;
    ByteBlock P::*block;
    std::string P::*text;
    u32 max_choice;  // 0: not a choice
    SuperEffect effect;
};

constexpr Row kRows[] = {
    {kSuperStyle, &P::style, nullptr, nullptr, kSuperRounded, SuperEffect::Redraw},
    {kSuperToggle, &P::toggle, nullptr, nullptr, 0, SuperEffect::RebuildWhenChanged},
    {kSuperChecked, &P::checked, nullptr, nullptr, 0, SuperEffect::Redraw},
    {kSuperAlignment, &P::alignment, nullptr, nullptr, 3, SuperEffect::Redraw},
    {kSuperPressOffset, &P::press_offset, nullptr, nullptr, 1, SuperEffect::Redraw},
    {kSuperBorder3d, &P::border_3d, nullptr, nullptr, 0, SuperEffect::Redraw},
    {kSuperFocusRectangle, &P::focus_rectangle, nullptr, nullptr, 0, SuperEffect::Redraw},
    {kSuperNormalPicture, nullptr, &P::normal_picture, nullptr, 0, SuperEffect::Redraw},
    {kSuperNormalTransparent, &P::normal_transparent, nullptr, nullptr, 0, SuperEffect::Redraw},
    {kSuperHoverPicture, nullptr, &P::hover_picture, nullptr, 0, SuperEffect::Redraw},
    {kSuperHoverTransparent, &P::hover_transparent, nullptr, nullptr, 0, SuperEffect::Redraw},
    {kSuperDisabledPicture, nullptr, &P::disabled_picture, nullptr, 0, SuperEffect::Redraw},
    {kSuperDisabledTransparent, &P::disabled_transparent, nullptr, nullptr, 0, SuperEffect::Redraw},
    {kSuperFont, nullptr, &P::font, nullptr, 0, SuperEffect::Redraw},
    {kSuperCaption, nullptr, nullptr, &P::caption, 0, SuperEffect::Redraw},
    {kSuperSystemColours, &P::system_colours, nullptr, nullptr, 0, SuperEffect::Redraw},
    {kSuperNormalText, &P::normal_text, nullptr, nullptr, 0, SuperEffect::RedrawOwnColours},
    {kSuperNormalBack, &P::normal_back, nullptr, nullptr, 0, SuperEffect::RedrawOwnColours},
    {kSuperHoverText, &P::hover_text, nullptr, nullptr, 0, SuperEffect::RedrawOwnColours},
    {kSuperHoverBack, &P::hover_back, nullptr, nullptr, 0, SuperEffect::RedrawOwnColours},
    {kSuperFocusText, &P::focus_text, nullptr, nullptr, 0, SuperEffect::RedrawOwnColours},
    {kSuperFocusBack, &P::focus_back, nullptr, nullptr, 0, SuperEffect::RedrawOwnColours},
    {kSuperBuiltinSound, &P::builtin_sound, nullptr, nullptr, 0, SuperEffect::Quiet},
    {kSuperHoverSound, nullptr, &P::hover_sound, nullptr, 0, SuperEffect::Quiet},
    {kSuperClickSound, nullptr, &P::click_sound, nullptr, 0, SuperEffect::Quiet},
    {kSuperTooltip, nullptr, nullptr, &P::tooltip, 0, SuperEffect::Quiet},
    {kSuperDefaultButton, &P::default_button, nullptr, nullptr, 1, SuperEffect::Rebuild},
};
static_assert(std::size(kRows) == kSuperPropertyCount - 8);

const Row* row_of(i32 index) {
    const i32 property = index + 8;
    for (const Row& r : kRows)
        if (r.property == property) return &r;
    return nullptr;
}

// Which properties matter in which configuration; every property not listed
// always applies.
struct Applicability {
    i32 property;
    bool (*applies)(const P& p);
};

constexpr Applicability kApplicability[] = {
    {kSuperChecked, [](const P& p) { return P::is(p.toggle); }},
    {kSuperBorder3d, [](const P& p) { return p.style != kSuperRaised; }},
    {kSuperFocusRectangle, [](const P& p) { return p.style != kSuperRaised; }},
    {kSuperNormalTransparent, [](const P& p) { return !p.normal_picture.empty(); }},
    {kSuperHoverTransparent, [](const P& p) { return !p.hover_picture.empty(); }},
    {kSuperDisabledTransparent, [](const P& p) { return !p.disabled_picture.empty(); }},
    {kSuperNormalText, [](const P& p) { return !P::is(p.system_colours); }},
    {kSuperNormalBack, [](const P& p) { return !P::is(p.system_colours); }},
    {kSuperHoverText, [](const P& p) { return !P::is(p.system_colours); }},
    {kSuperHoverBack, [](const P& p) { return !P::is(p.system_colours); }},
    {kSuperFocusText, [](const P& p) { return !P::is(p.system_colours); }},
    {kSuperFocusBack, [](const P& p) { return !P::is(p.system_colours); }},
    // The hover sound plays when the highlight starts, and the raised style has none.
    {kSuperHoverSound, [](const P& p) { return !P::is(p.builtin_sound) && p.style != kSuperRaised; }},
    {kSuperClickSound, [](const P& p) { return !P::is(p.builtin_sound); }},
    {kSuperDefaultButton, [](const P& p) { return !P::is(p.toggle); }},
};

}  // namespace

SuperButtonProperties::SuperButtonProperties()
    : normal_text(GetSysColor(COLOR_BTNTEXT)),
      hover_text(GetSysColor(COLOR_BTNTEXT)),
      hover_back(lighten(GetSysColor(COLOR_BTNFACE), kHoverLightening)),
      focus_text(GetSysColor(COLOR_BTNTEXT)),
      caption("超级按钮") {}

bool read_super_button_properties(const std::uint8_t* data, u32 length, SuperButtonProperties* out) {
    *out = SuperButtonProperties{};
    if (length == 0) return true;
    PropertyReader in(data, length);
    u32 version = 0;
    if (!in.u32_word(&version) || version > kSuperBlockVersion) return false;
    P& p = *out;
    for (u32* word : {&p.style, &p.toggle, &p.checked, &p.alignment, &p.press_offset, &p.border_3d,
                      &p.focus_rectangle, &p.hover_transparent, &p.normal_transparent, &p.system_colours,
                      &p.builtin_sound, &p.default_button, &p.normal_text, &p.normal_back, &p.hover_text,
                      &p.hover_back, &p.focus_text, &p.focus_back})
        in.u32_word(word);
    for (ByteBlock* block : {&p.hover_picture, &p.normal_picture, &p.font, &p.hover_sound, &p.click_sound})
        in.block(block);
    in.text(&p.caption);
    in.text(&p.tooltip);
    if (version >= 2) {
        in.u32_word(&p.disabled_transparent);
        in.block(&p.disabled_picture);
    }
    return in.ok();
}

ByteBlock write_super_button_properties(const SuperButtonProperties& p) {
    PropertyWriter out;
    out.u32_word(kSuperBlockVersion);
    for (u32 word : {p.style, p.toggle, p.checked, p.alignment, p.press_offset, p.border_3d, p.focus_rectangle,
                     p.hover_transparent, p.normal_transparent, p.system_colours, p.builtin_sound, p.default_button,
                     p.normal_text, p.normal_back, p.hover_text, p.hover_back, p.focus_text, p.focus_back})
        out.u32_word(word);
    for (const ByteBlock* block : {&p.hover_picture, &p.normal_picture, &p.font, &p.hover_sound, &p.click_sound})
        out.block(*block);
    out.text(p.caption);
    out.text(p.tooltip);
    out.u32_word(p.disabled_transparent);
    out.block(p.disabled_picture);
    return out.bytes();
}

bool get_super_button_property(const SuperButtonProperties& p, i32 index, ValueRecord* out) {
    const Row* row = row_of(index);
    if (!row) return false;
    if (row->word)
        *out = {p.*(row->word), 0};
    else if (row->block)
        *out = {reinterpret_cast<u32>((p.*(row->block)).data()), static_cast<u32>((p.*(row->block)).size())};
    else
        *out = {reinterpret_cast<u32>((p.*(row->text)).c_str()), 0};
    return true;
}

bool set_super_button_property(SuperButtonProperties* p, i32 index, const ValueRecord& value, bool* changed) {
    const Row* row = row_of(index);
    if (!row) return false;
    if (row->word) {
        u32 v = value.value;
        if (row->max_choice) v = static_cast<i32>(v) < 0 ? 0 : (v > row->max_choice ? row->max_choice : v);
        *changed = p->*(row->word) != v;
        p->*(row->word) = v;
    } else if (row->block) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(value.value);
        ByteBlock fresh;
        if (data && value.second) fresh.assign(data, data + value.second);
        *changed = p->*(row->block) != fresh;
        p->*(row->block) = std::move(fresh);
    } else {
        const char* text = reinterpret_cast<const char*>(value.value);
        std::string fresh = text ? text : "";
        *changed = p->*(row->text) != fresh;
        p->*(row->text) = std::move(fresh);
    }
    return true;
}

SuperEffect super_button_effect(i32 index) {
    const Row* row = row_of(index);
    return row ? row->effect : SuperEffect::Quiet;
}

bool super_button_property_applies(const SuperButtonProperties& p, i32 index) {
    const i32 property = index + 8;
    for (const Applicability& a : kApplicability)
        if (a.property == property) return a.applies(p);
    return true;
}

}  // namespace forms
