#include "forms/components/super_button_properties.h"

#include <cstring>
#include <iterator>

#include "forms/components/super_button_colours.h"

namespace forms {
namespace {

using P = SuperButtonProperties;

using Field = PropertyField<P, SuperEffect>;

// Configurations in which a property has no effect.
bool only_toggle(const P& p) { return P::is(p.toggle); }
bool not_toggle(const P& p) { return !P::is(p.toggle); }
bool not_raised(const P& p) { return p.style != kSuperRaised; }
bool own_colours(const P& p) { return !P::is(p.system_colours); }
bool has_normal_picture(const P& p) { return !p.normal_picture.empty(); }
bool has_hover_picture(const P& p) { return !p.hover_picture.empty(); }
bool has_disabled_picture(const P& p) { return !p.disabled_picture.empty(); }
bool own_click_sound(const P& p) { return !P::is(p.builtin_sound); }
// The hover sound plays when the highlight starts, and the raised style has none.
bool own_hover_sound(const P& p) { return !P::is(p.builtin_sound) && p.style != kSuperRaised; }

constexpr auto kRedraw = SuperEffect::Redraw;
constexpr auto kOwnColour = SuperEffect::RedrawOwnColours;
constexpr auto kQuiet = SuperEffect::Quiet;

// In stored order: eighteen words, five blocks, two texts, then the disabled
// picture's colour and the picture that version 2 added.
constexpr Field kFields[] = {
    {.property = kSuperStyle, .word = &member<&P::style>, .keep = Keep::Choice, .limit = kSuperRounded,
     .effect = kRedraw},
    {.property = kSuperToggle, .word = &member<&P::toggle>, .effect = SuperEffect::RebuildWhenChanged},
    {.property = kSuperChecked, .word = &member<&P::checked>, .effect = kRedraw, .applies = only_toggle},
    {.property = kSuperAlignment, .word = &member<&P::alignment>, .keep = Keep::Choice, .limit = 3, .effect = kRedraw},
    {.property = kSuperPressOffset, .word = &member<&P::press_offset>, .keep = Keep::Choice, .limit = 1,
     .effect = kRedraw},
    {.property = kSuperBorder3d, .word = &member<&P::border_3d>, .effect = kRedraw, .applies = not_raised},
    {.property = kSuperFocusRectangle, .word = &member<&P::focus_rectangle>, .effect = kRedraw, .applies = not_raised},
    {.property = kSuperHoverTransparent, .word = &member<&P::hover_transparent>, .effect = kRedraw,
     .applies = has_hover_picture},
    {.property = kSuperNormalTransparent, .word = &member<&P::normal_transparent>, .effect = kRedraw,
     .applies = has_normal_picture},
    {.property = kSuperSystemColours, .word = &member<&P::system_colours>, .effect = kRedraw},
    {.property = kSuperBuiltinSound, .word = &member<&P::builtin_sound>, .effect = kQuiet},
    {.property = kSuperDefaultButton, .word = &member<&P::default_button>, .keep = Keep::Choice, .limit = 1,
     .effect = SuperEffect::Rebuild, .applies = not_toggle},
    {.property = kSuperNormalText, .word = &member<&P::normal_text>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperNormalBack, .word = &member<&P::normal_back>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperHoverText, .word = &member<&P::hover_text>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperHoverBack, .word = &member<&P::hover_back>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperFocusText, .word = &member<&P::focus_text>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperFocusBack, .word = &member<&P::focus_back>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperHoverPicture, .block = &member<&P::hover_picture>, .effect = kRedraw},
    {.property = kSuperNormalPicture, .block = &member<&P::normal_picture>, .effect = kRedraw},
    {.property = kSuperFont, .block = &member<&P::font>, .effect = kRedraw},
    {.property = kSuperHoverSound, .block = &member<&P::hover_sound>, .effect = kQuiet, .applies = own_hover_sound},
    {.property = kSuperClickSound, .block = &member<&P::click_sound>, .effect = kQuiet, .applies = own_click_sound},
    {.property = kSuperCaption, .text = &member<&P::caption>, .effect = kRedraw},
    {.property = kSuperTooltip, .text = &member<&P::tooltip>, .effect = kQuiet},
    {.property = kSuperDisabledTransparent, .word = &member<&P::disabled_transparent>, .since = 2, .effect = kRedraw,
     .applies = has_disabled_picture},
    {.property = kSuperDisabledPicture, .block = &member<&P::disabled_picture>, .since = 2, .effect = kRedraw},
};
static_assert(std::size(kFields) == kSuperPropertyCount - kCommonPropertyCount);

P defaults() { return {}; }

// Caption, tooltip and the font's face name.
void texts(const P& p, TextCallback callback, void* context) {
    callback(p.caption.c_str(), context);
    callback(p.tooltip.c_str(), context);
    if (p.font.size() == sizeof(LOGFONTA)) {
        const char* face = reinterpret_cast<const LOGFONTA*>(p.font.data())->lfFaceName;
        callback(std::string(face, strnlen(face, LF_FACESIZE)).c_str(), context);
    }
}

}  // namespace

SuperButtonProperties::SuperButtonProperties()
    : normal_text(GetSysColor(COLOR_BTNTEXT)),
      hover_text(GetSysColor(COLOR_BTNTEXT)),
      hover_back(lighten(GetSysColor(COLOR_BTNFACE), kHoverLightening)),
      focus_text(GetSysColor(COLOR_BTNTEXT)),
      caption("超级按钮") {}

const PropertyTable<SuperButtonProperties, SuperEffect> kSuperButtonTable = {2, kFields, defaults, texts};

bool read_super_button_properties(const std::uint8_t* data, u32 length, SuperButtonProperties* out) {
    return read_properties(kSuperButtonTable, data, length, out);
}

ByteBlock write_super_button_properties(const SuperButtonProperties& p) {
    return write_properties(kSuperButtonTable, p);
}

bool get_super_button_property(const SuperButtonProperties& p, i32 property, ValueRecord* out) {
    return get_property(kSuperButtonTable, p, property, out);
}

bool set_super_button_property(SuperButtonProperties* p, i32 property, const ValueRecord& value, bool* changed) {
    return set_property(kSuperButtonTable, p, property, value, changed) != nullptr;
}

SuperEffect super_button_effect(i32 property) {
    const Field* field = find_field(kSuperButtonTable, property);
    return field ? field->effect : SuperEffect::Quiet;
}

bool super_button_property_applies(const SuperButtonProperties& p, i32 property) {
    return property_applies(kSuperButtonTable, p, property);
}

}  // namespace forms
