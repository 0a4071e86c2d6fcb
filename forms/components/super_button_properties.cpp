#include "forms/components/super_button_properties.h"

#include <cstring>
#include <iterator>

#include "forms/common_properties.h"

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
    {.property = kSuperStyle,
     .describe = described("风格", "Style", kCodeChoice),
     .word = &member<&P::style>, .keep = Keep::Choice, .limit = kSuperRounded,
     .effect = kRedraw},
    {.property = kSuperToggle,
     .describe = described("复选按钮", "Toggle", kCodeLogical),
     .word = &member<&P::toggle>, .effect = SuperEffect::RebuildWhenChanged},
    {.property = kSuperChecked,
     .describe = described("选中", "Checked", kCodeLogical),
     .word = &member<&P::checked>, .effect = kRedraw, .applies = only_toggle},
    {.property = kSuperAlignment,
     .describe = described("对齐方式", "Align", kCodeChoice),
     .word = &member<&P::alignment>, .keep = Keep::Choice, .limit = 3, .effect = kRedraw},
    {.property = kSuperPressOffset,
     .describe = described("按下偏移", "PressOffset", kCodeChoice),
     .word = &member<&P::press_offset>, .keep = Keep::Choice, .limit = 1,
     .effect = kRedraw},
    {.property = kSuperBorder3d,
     .describe = described("热点边框", "HoverBorder", kCodeLogical),
     .word = &member<&P::border_3d>, .effect = kRedraw, .applies = not_raised},
    {.property = kSuperFocusRectangle,
     .describe = described("焦点框", "FocusRect", kCodeLogical),
     .word = &member<&P::focus_rectangle>, .effect = kRedraw, .applies = not_raised},
    {.property = kSuperHoverTransparent,
     .describe = described("热点图片透明色", "HotPictureMaskColor", kCodeBackColour),
     .word = &member<&P::hover_transparent>, .effect = kRedraw,
     .applies = has_hover_picture},
    {.property = kSuperNormalTransparent,
     .describe = described("正常图片透明色", "PictureMaskColor", kCodeBackColour),
     .word = &member<&P::normal_transparent>, .effect = kRedraw,
     .applies = has_normal_picture},
    {.property = kSuperSystemColours,
     .describe = described("使用系统颜色", "SystemColors", kCodeLogical),
     .word = &member<&P::system_colours>, .effect = kRedraw},
    {.property = kSuperBuiltinSound,
     .describe = described("内置点击声音", "BuiltinSound", kCodeLogical),
     .word = &member<&P::builtin_sound>, .effect = kQuiet},
    {.property = kSuperDefaultButton,
     .describe = described("默认按钮", "Default", kCodeChoice),
     .word = &member<&P::default_button>, .keep = Keep::Choice, .limit = 1,
     .effect = SuperEffect::Rebuild, .applies = not_toggle},
    {.property = kSuperNormalText,
     .describe = described("正常文本颜色", "ForeColor", kCodeTextColour),
     .word = &member<&P::normal_text>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperNormalBack,
     .describe = described("正常背景颜色", "BackColor", kCodeBackColour),
     .word = &member<&P::normal_back>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperHoverText,
     .describe = described("热点文本颜色", "HotForeColor", kCodeTextColour),
     .word = &member<&P::hover_text>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperHoverBack,
     .describe = described("热点背景颜色", "HotBackColor", kCodeBackColour),
     .word = &member<&P::hover_back>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperFocusText,
     .describe = described("焦点文本颜色", "FocusForeColor", kCodeTextColour),
     .word = &member<&P::focus_text>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperFocusBack,
     .describe = described("焦点背景颜色", "FocusBackColor", kCodeBackColour),
     .word = &member<&P::focus_back>, .effect = kOwnColour, .applies = own_colours},
    {.property = kSuperHoverPicture,
     .describe = described("热点图片", "HotPicture", kCodePicture),
     .block = &member<&P::hover_picture>, .effect = kRedraw},
    {.property = kSuperNormalPicture,
     .describe = described("正常图片", "Picture", kCodePicture),
     .block = &member<&P::normal_picture>, .effect = kRedraw},
    {.property = kSuperFont,
     .describe = described("字体", "Font", kCodeFont),
     .block = &member<&P::font>, .effect = kRedraw},
    {.property = kSuperHoverSound,
     .describe = described("热点声音", "HotSound", kCodeSound),
     .block = &member<&P::hover_sound>, .effect = kQuiet, .applies = own_hover_sound},
    {.property = kSuperClickSound,
     .describe = described("点击声音", "ClickSound", kCodeSound),
     .block = &member<&P::click_sound>, .effect = kQuiet, .applies = own_click_sound},
    {.property = kSuperCaption,
     .describe = described("标题", "Caption", kCodeText),
     .text = &member<&P::caption>, .effect = kRedraw},
    {.property = kSuperTooltip,
     .describe = described("提示文本", "ToolTip", kCodeText),
     .text = &member<&P::tooltip>, .effect = kQuiet},
    {.property = kSuperDisabledTransparent,
     .describe = described("禁止图片透明色", "DisabledPictureMaskColor", kCodeBackColour),
     .word = &member<&P::disabled_transparent>, .since = 2, .effect = kRedraw,
     .applies = has_disabled_picture},
    {.property = kSuperDisabledPicture,
     .describe = described("禁止图片", "DisabledPicture", kCodePicture),
     .block = &member<&P::disabled_picture>, .since = 2, .effect = kRedraw},
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

constexpr std::array<PropertyDescriptor, kSuperPropertyCount> kSuperButtonDescriptors =
    property_descriptors<kSuperPropertyCount - kCommonPropertyCount>(kFields);
static_assert(every_property_described(kSuperButtonDescriptors));

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
