#include "forms/components/super_button_properties.h"

#include <cstring>

#include "forms/components/super_button_colours.h"

namespace forms {

using P = SuperButtonProperties;
using Field = PropertyField<P, SuperEffect>;

// Configurations in which a property has no effect.
bool super_only_toggle(const P& p) { return P::is(p.toggle); }
bool super_not_toggle(const P& p) { return !P::is(p.toggle); }
bool super_not_raised(const P& p) { return p.style != kSuperRaised; }
bool super_own_colours(const P& p) { return !P::is(p.system_colours); }
bool super_has_normal_picture(const P& p) { return !p.normal_picture.empty(); }
bool super_has_hover_picture(const P& p) { return !p.hover_picture.empty(); }
bool super_has_disabled_picture(const P& p) { return !p.disabled_picture.empty(); }
bool super_own_click_sound(const P& p) { return !P::is(p.builtin_sound); }
// The hover sound plays when the highlight starts, and the raised style has none.
bool super_own_hover_sound(const P& p) { return !P::is(p.builtin_sound) && p.style != kSuperRaised; }

P super_button_defaults() { return {}; }

// Caption, tooltip and the font's face name.
void super_button_texts(const P& p, TextCallback callback, void* context) {
    callback(p.caption.c_str(), context);
    callback(p.tooltip.c_str(), context);
    if (p.font.size() == sizeof(LOGFONTA)) {
        const char* face = reinterpret_cast<const LOGFONTA*>(p.font.data())->lfFaceName;
        callback(std::string(face, strnlen(face, LF_FACESIZE)).c_str(), context);
    }
}

SuperButtonProperties::SuperButtonProperties()
    : normal_text(GetSysColor(COLOR_BTNTEXT)),
      hover_text(GetSysColor(COLOR_BTNTEXT)),
      hover_back(lighten(GetSysColor(COLOR_BTNFACE), kHoverLightening)),
      focus_text(GetSysColor(COLOR_BTNTEXT)),
      caption("超级按钮") {}

constexpr std::array<PropertyDescriptor, kSuperPropertyCount> kSuperButtonDescriptors =
    property_descriptors<kSuperPropertyCount - kCommonPropertyCount>(kSuperButtonFields);
static_assert(every_property_described(kSuperButtonDescriptors));

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
