// The super button's property record: its property data block (version up to 2),
// its property table with what setting each property does and which properties
// apply in the current configuration.
#pragma once
#include <array>
#include <windows.h>

#include <cstdint>
#include <iterator>
#include <string>

#include "forms/common_properties.h"
#include "forms/property_block.h"
#include "forms/property_indexes.h"

namespace forms {

enum SuperButtonStyle : u32 { kSuperFlat = 0, kSuperRaised = 1, kSuperRounded = 2 };

struct SuperButtonProperties {
    SuperButtonProperties();

    u32 style = kSuperFlat;
    u32 toggle = 0;
    u32 checked = 0;
    u32 alignment = 0;
    u32 press_offset = 0;
    u32 border_3d = 1;
    u32 focus_rectangle = 0;
    u32 hover_transparent = kDefaultColour;
    u32 normal_transparent = kDefaultColour;
    u32 disabled_transparent = kDefaultColour;
    u32 system_colours = 1;
    u32 builtin_sound = 0;
    u32 default_button = 0;
    u32 normal_text, normal_back = kDefaultColour;
    u32 hover_text, hover_back;
    u32 focus_text, focus_back = kDefaultColour;
    ByteBlock hover_picture, normal_picture, disabled_picture;
    ByteBlock font;
    ByteBlock hover_sound, click_sound;
    std::string caption;
    std::string tooltip;

    // Logical words count as true only when they hold exactly 1.
    static bool is(u32 word) { return word == 1; }
};

// What setting a property does beyond storing the value.
enum class SuperEffect {
    Redraw,             // takes effect in place and the button is redrawn
    RedrawOwnColours,   // a colour: redrawn only while the system colours are not used
    Quiet,              // sounds and the tooltip: nothing to redraw
    RebuildWhenChanged, // the toggle flag: the platform button type changes
    Rebuild,            // the default-button flag
};

// Configurations in which a property has no effect.
bool super_only_toggle(const SuperButtonProperties& p);
bool super_not_toggle(const SuperButtonProperties& p);
bool super_not_raised(const SuperButtonProperties& p);
bool super_own_colours(const SuperButtonProperties& p);
bool super_has_normal_picture(const SuperButtonProperties& p);
bool super_has_hover_picture(const SuperButtonProperties& p);
bool super_has_disabled_picture(const SuperButtonProperties& p);
bool super_own_click_sound(const SuperButtonProperties& p);
bool super_own_hover_sound(const SuperButtonProperties& p);

// In stored order: eighteen words, five blocks, two texts, then the disabled
// picture's colour and the picture that version 2 added.
inline constexpr PropertyField<SuperButtonProperties, SuperEffect> kSuperButtonFields[] = {
    {.property = kSuperStyle,
     .describe = described("风格", "Style", kCodeChoice),
     .word = member<&SuperButtonProperties::style>, .keep = Keep::Choice, .limit = kSuperRounded,
     .effect = SuperEffect::Redraw},
    {.property = kSuperToggle,
     .describe = described("复选按钮", "Toggle", kCodeLogical),
     .word = member<&SuperButtonProperties::toggle>, .effect = SuperEffect::RebuildWhenChanged},
    {.property = kSuperChecked,
     .describe = described("选中", "Checked", kCodeLogical),
     .word = member<&SuperButtonProperties::checked>, .effect = SuperEffect::Redraw, .applies = super_only_toggle},
    {.property = kSuperAlignment,
     .describe = described("对齐方式", "Align", kCodeChoice),
     .word = member<&SuperButtonProperties::alignment>, .keep = Keep::Choice, .limit = 3,
     .effect = SuperEffect::Redraw},
    {.property = kSuperPressOffset,
     .describe = described("按下偏移", "PressOffset", kCodeChoice),
     .word = member<&SuperButtonProperties::press_offset>, .keep = Keep::Choice, .limit = 1,
     .effect = SuperEffect::Redraw},
    {.property = kSuperBorder3d,
     .describe = described("热点边框", "HoverBorder", kCodeLogical),
     .word = member<&SuperButtonProperties::border_3d>, .effect = SuperEffect::Redraw, .applies = super_not_raised},
    {.property = kSuperFocusRectangle,
     .describe = described("焦点框", "FocusRect", kCodeLogical),
     .word = member<&SuperButtonProperties::focus_rectangle>, .effect = SuperEffect::Redraw,
     .applies = super_not_raised},
    {.property = kSuperHoverTransparent,
     .describe = described("热点图片透明色", "HotPictureMaskColor", kCodeBackColour),
     .word = member<&SuperButtonProperties::hover_transparent>, .effect = SuperEffect::Redraw,
     .applies = super_has_hover_picture},
    {.property = kSuperNormalTransparent,
     .describe = described("正常图片透明色", "PictureMaskColor", kCodeBackColour),
     .word = member<&SuperButtonProperties::normal_transparent>, .effect = SuperEffect::Redraw,
     .applies = super_has_normal_picture},
    {.property = kSuperSystemColours,
     .describe = described("使用系统颜色", "SystemColors", kCodeLogical),
     .word = member<&SuperButtonProperties::system_colours>, .effect = SuperEffect::Redraw},
    {.property = kSuperBuiltinSound,
     .describe = described("内置点击声音", "BuiltinSound", kCodeLogical),
     .word = member<&SuperButtonProperties::builtin_sound>, .effect = SuperEffect::Quiet},
    {.property = kSuperDefaultButton,
     .describe = described("默认按钮", "Default", kCodeChoice),
     .word = member<&SuperButtonProperties::default_button>, .keep = Keep::Choice, .limit = 1,
     .effect = SuperEffect::Rebuild, .applies = super_not_toggle},
    {.property = kSuperNormalText,
     .describe = described("正常文本颜色", "ForeColor", kCodeTextColour),
     .word = member<&SuperButtonProperties::normal_text>, .effect = SuperEffect::RedrawOwnColours,
     .applies = super_own_colours},
    {.property = kSuperNormalBack,
     .describe = described("正常背景颜色", "BackColor", kCodeBackColour),
     .word = member<&SuperButtonProperties::normal_back>, .effect = SuperEffect::RedrawOwnColours,
     .applies = super_own_colours},
    {.property = kSuperHoverText,
     .describe = described("热点文本颜色", "HotForeColor", kCodeTextColour),
     .word = member<&SuperButtonProperties::hover_text>, .effect = SuperEffect::RedrawOwnColours,
     .applies = super_own_colours},
    {.property = kSuperHoverBack,
     .describe = described("热点背景颜色", "HotBackColor", kCodeBackColour),
     .word = member<&SuperButtonProperties::hover_back>, .effect = SuperEffect::RedrawOwnColours,
     .applies = super_own_colours},
    {.property = kSuperFocusText,
     .describe = described("焦点文本颜色", "FocusForeColor", kCodeTextColour),
     .word = member<&SuperButtonProperties::focus_text>, .effect = SuperEffect::RedrawOwnColours,
     .applies = super_own_colours},
    {.property = kSuperFocusBack,
     .describe = described("焦点背景颜色", "FocusBackColor", kCodeBackColour),
     .word = member<&SuperButtonProperties::focus_back>, .effect = SuperEffect::RedrawOwnColours,
     .applies = super_own_colours},
    {.property = kSuperHoverPicture,
     .describe = described("热点图片", "HotPicture", kCodePicture),
     .block = member<&SuperButtonProperties::hover_picture>, .effect = SuperEffect::Redraw},
    {.property = kSuperNormalPicture,
     .describe = described("正常图片", "Picture", kCodePicture),
     .block = member<&SuperButtonProperties::normal_picture>, .effect = SuperEffect::Redraw},
    {.property = kSuperFont,
     .describe = described("字体", "Font", kCodeFont),
     .block = member<&SuperButtonProperties::font>, .effect = SuperEffect::Redraw},
    {.property = kSuperHoverSound,
     .describe = described("热点声音", "HotSound", kCodeSound),
     .block = member<&SuperButtonProperties::hover_sound>, .effect = SuperEffect::Quiet,
     .applies = super_own_hover_sound},
    {.property = kSuperClickSound,
     .describe = described("点击声音", "ClickSound", kCodeSound),
     .block = member<&SuperButtonProperties::click_sound>, .effect = SuperEffect::Quiet,
     .applies = super_own_click_sound},
    {.property = kSuperCaption,
     .describe = described("标题", "Caption", kCodeText),
     .text = member<&SuperButtonProperties::caption>, .effect = SuperEffect::Redraw},
    {.property = kSuperTooltip,
     .describe = described("提示文本", "ToolTip", kCodeText),
     .text = member<&SuperButtonProperties::tooltip>, .effect = SuperEffect::Quiet},
    {.property = kSuperDisabledTransparent,
     .describe = described("禁止图片透明色", "DisabledPictureMaskColor", kCodeBackColour),
     .word = member<&SuperButtonProperties::disabled_transparent>, .since = 2, .effect = SuperEffect::Redraw,
     .applies = super_has_disabled_picture},
    {.property = kSuperDisabledPicture,
     .describe = described("禁止图片", "DisabledPicture", kCodePicture),
     .block = member<&SuperButtonProperties::disabled_picture>, .since = 2, .effect = SuperEffect::Redraw},
};
static_assert(std::size(kSuperButtonFields) == kSuperPropertyCount - kCommonPropertyCount);

SuperButtonProperties super_button_defaults();
void super_button_texts(const SuperButtonProperties& properties, TextCallback callback, void* context);

inline constexpr PropertyTable<SuperButtonProperties, SuperEffect> kSuperButtonTable = {
    2, kSuperButtonFields, super_button_defaults, super_button_texts};

// The property descriptors the type shows, built from the table.
extern const std::array<PropertyDescriptor, kSuperPropertyCount> kSuperButtonDescriptors;

// False for a version above 2 or data that runs out; an empty block gives defaults,
// and a version 1 block leaves the disabled picture and its colour at theirs.
bool read_super_button_properties(const std::uint8_t* data, u32 length, SuperButtonProperties* out);
ByteBlock write_super_button_properties(const SuperButtonProperties& properties);

// By full property index. Get points the record at the stored text or data.
bool get_super_button_property(const SuperButtonProperties& properties, i32 property, ValueRecord* out);
// Stores the value (choices clamped to their range); false for an unknown index.
// *changed tells whether the stored value differs from before.
bool set_super_button_property(SuperButtonProperties* properties, i32 property, const ValueRecord& value,
                               bool* changed);
SuperEffect super_button_effect(i32 property);

// Whether the property has any effect in this configuration (operation 2).
bool super_button_property_applies(const SuperButtonProperties& properties, i32 property);

}  // namespace forms
