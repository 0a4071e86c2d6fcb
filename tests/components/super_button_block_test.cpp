// The super button's stored properties: a version 1 block as another tool writes it,
// the tool's own button, what setting each property does, applicability, and
// lightening.
#include <cstring>

#include "forms/components/extension_types.h"
#include "forms/components/super_button_colours.h"
#include "forms/components/super_button_properties.h"
#include "forms/components/super_button_type.h"
#include "forms/property_archive.h"
#include "tests/components/drive_super_program.h"
#include "tuner/main_window_ids.h"

namespace drive_super_test {
namespace {

using forms::SuperButtonProperties;
using forms::SuperEffect;

constexpr u32 kToolsButton = tuner::kRestoreButton;

bool set(SuperButtonProperties* p, i32 property, u32 value, bool* changed = nullptr) {
    bool ignored = false;
    return forms::set_super_button_property(p, property, {value, 0}, changed ? changed : &ignored);
}

// A version 1 block as another tool would have written it: no disabled picture.
forms::ByteBlock version_one_block(const std::string& caption) {
    forms::PropertyWriter out;
    out.u32_word(1);
    for (u32 w : {2u, 0u, 0u, 3u, 1u, 0u, 1u, 0x0000FFu, 0x00FF00u, 0u, 1u, 0u}) out.u32_word(w);
    for (u32 c : {0x111111u, 0x222222u, 0x333333u, 0x444444u, 0x555555u, 0x666666u}) out.u32_word(c);
    for (int i = 0; i < 5; ++i) out.block({});
    out.text(caption);
    out.text("提示");
    return out.bytes();
}

TEST(SuperButtonBlock, TheToolsButtonReadsAndWritesBackTheSameBytes) {
    const forms::ByteBlock stored = template_block(kToolsButton);
    SuperButtonProperties p;
    ASSERT_TRUE(forms::read_super_button_properties(stored.data(), static_cast<u32>(stored.size()), &p));
    EXPECT_EQ(p.caption, "点我恢复");
    EXPECT_EQ(p.style, forms::kSuperFlat);
    EXPECT_EQ(p.toggle, 0u);
    EXPECT_EQ(p.border_3d, 1u);
    EXPECT_EQ(p.focus_rectangle, 0u);
    EXPECT_EQ(p.system_colours, 1u);
    EXPECT_EQ(p.default_button, 0u);
    EXPECT_EQ(p.normal_back, 0xF0F0F0u);
    EXPECT_EQ(p.hover_back, 0xFFFFFFu);
    EXPECT_EQ(p.normal_transparent, forms::kDefaultColour);
    EXPECT_EQ(p.disabled_transparent, forms::kDefaultColour);
    EXPECT_TRUE(p.tooltip.empty());
    EXPECT_TRUE(p.normal_picture.empty());
    EXPECT_EQ(forms::write_super_button_properties(p), stored);
}

TEST(SuperButtonBlock, VersionOneKeepsTheDisabledPictureDefaults) {
    const forms::ByteBlock v1 = version_one_block("旧按钮");
    SuperButtonProperties p;
    p.disabled_transparent = 0x123456;
    p.disabled_picture = {1, 2, 3};
    ASSERT_TRUE(forms::read_super_button_properties(v1.data(), static_cast<u32>(v1.size()), &p));
    EXPECT_EQ(p.style, forms::kSuperRounded);
    EXPECT_EQ(p.alignment, 3u);
    EXPECT_EQ(p.press_offset, 1u);
    EXPECT_EQ(p.hover_transparent, 0x0000FFu);  // the hover picture's colour comes first
    EXPECT_EQ(p.normal_transparent, 0x00FF00u);
    EXPECT_EQ(p.builtin_sound, 1u);
    EXPECT_EQ(p.normal_text, 0x111111u);
    EXPECT_EQ(p.focus_back, 0x666666u);
    EXPECT_EQ(p.caption, "旧按钮");
    EXPECT_EQ(p.tooltip, "提示");
    EXPECT_EQ(p.disabled_transparent, forms::kDefaultColour);
    EXPECT_TRUE(p.disabled_picture.empty());

    // Saving writes version 2: the same fields, then the disabled picture's two.
    const forms::ByteBlock v2 = forms::write_super_button_properties(p);
    EXPECT_EQ(v2[0], 2);
    ASSERT_EQ(v2.size(), v1.size() + 8);
    EXPECT_EQ(std::memcmp(v2.data() + 4, v1.data() + 4, v1.size() - 4), 0);
}

TEST(SuperButtonColours, LightenMovesAllThreeBytesByTheSameLimitedAmount) {
    struct Row {
        COLORREF colour;
        int n;
        COLORREF expected;
    } rows[] = {
        {0xF0F0F0, 32, 0xFFFFFF},   // 15 is the most that keeps every byte in range
        {0x102030, 32, 0x304050},
        {0x10FF30, 10, 0x10FF30},   // one byte already at the top: no room
        {0x102030, -32, 0x001020},  // limited by the smallest byte
        {0x405060, -16, 0x304050},
        {0x102030, 256, 0x102030},  // outside -255 ... 255: unchanged
        {0x102030, -300, 0x102030},
        {0x000000, 255, 0xFFFFFF},
    };
    for (const Row& r : rows) EXPECT_EQ(forms::lighten(r.colour, r.n), r.expected) << std::hex << r.colour << " " << r.n;

    SuperButtonProperties p;
    p.normal_back = forms::kDefaultColour;
    p.hover_back = 0x00FF00;
    const forms::ButtonColours c = forms::stored_button_colours(p);
    EXPECT_EQ(c.normal_back, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(c.hover_back, 0x00FF00u);
    const forms::ButtonColours s = forms::system_button_colours();
    EXPECT_EQ(s.hover_back, forms::lighten(GetSysColor(COLOR_BTNFACE), 32));
    EXPECT_EQ(s.focus_text, GetSysColor(COLOR_BTNTEXT));
}

TEST(SuperButtonProperties, EachSettingHasItsEffect) {
    SuperButtonProperties p;
    struct Effect {
        i32 property;
        SuperEffect effect;
    } effects[] = {
        {forms::kSuperStyle, SuperEffect::Redraw},
        {forms::kSuperToggle, SuperEffect::RebuildWhenChanged},
        {forms::kSuperCaption, SuperEffect::Redraw},
        {forms::kSuperNormalPicture, SuperEffect::Redraw},
        {forms::kSuperNormalText, SuperEffect::RedrawOwnColours},
        {forms::kSuperFocusBack, SuperEffect::RedrawOwnColours},
        {forms::kSuperHoverSound, SuperEffect::Quiet},
        {forms::kSuperBuiltinSound, SuperEffect::Quiet},
        {forms::kSuperTooltip, SuperEffect::Quiet},
        {forms::kSuperDefaultButton, SuperEffect::Rebuild},
    };
    for (const Effect& e : effects) EXPECT_EQ(forms::super_button_effect(e.property), e.effect) << e.property;

    bool changed = true;
    set(&p, forms::kSuperToggle, 0, &changed);
    EXPECT_FALSE(changed);
    set(&p, forms::kSuperToggle, 1, &changed);
    EXPECT_TRUE(changed);

    // Texts and data are copied in; an unknown index is refused.
    std::string caption = "新标题";
    forms::set_super_button_property(&p, forms::kSuperCaption, {reinterpret_cast<u32>(caption.c_str()), 0},
                                     &changed);
    caption[0] = 'X';
    EXPECT_EQ(p.caption, "新标题");
    const std::uint8_t wave[] = {'R', 'I', 'F', 'F'};
    forms::set_super_button_property(&p, forms::kSuperClickSound, {reinterpret_cast<u32>(wave), 4}, &changed);
    EXPECT_EQ(p.click_sound, forms::ByteBlock(wave, wave + 4));
    EXPECT_FALSE(forms::set_super_button_property(&p, 35, {0, 0}, &changed));
    forms::ValueRecord out;
    EXPECT_FALSE(forms::get_super_button_property(p, 7, &out));
}

TEST(SuperButtonProperties, ApplyOnlyWhereTheConfigurationUsesThem) {
    SuperButtonProperties p;  // flat, not toggle, system colours, no pictures, no built-in sound
    const auto applies = [&](i32 property) { return forms::super_button_property_applies(p, property); };
    EXPECT_FALSE(applies(forms::kSuperChecked));
    EXPECT_TRUE(applies(forms::kSuperBorder3d));
    EXPECT_TRUE(applies(forms::kSuperFocusRectangle));
    EXPECT_FALSE(applies(forms::kSuperNormalTransparent));
    EXPECT_FALSE(applies(forms::kSuperHoverTransparent));
    EXPECT_FALSE(applies(forms::kSuperDisabledTransparent));
    for (i32 c = forms::kSuperNormalText; c <= forms::kSuperFocusBack; ++c) EXPECT_FALSE(applies(c)) << c;
    EXPECT_TRUE(applies(forms::kSuperHoverSound));
    EXPECT_TRUE(applies(forms::kSuperClickSound));
    EXPECT_TRUE(applies(forms::kSuperDefaultButton));
    for (i32 always : {forms::kSuperStyle, forms::kSuperToggle, forms::kSuperCaption, forms::kSuperFont,
                       forms::kSuperNormalPicture, forms::kSuperTooltip, forms::kSuperSystemColours})
        EXPECT_TRUE(applies(always)) << always;

    p.toggle = 1;
    p.style = forms::kSuperRaised;
    p.normal_picture = {1};
    p.disabled_picture = {1};
    p.system_colours = 0;
    EXPECT_TRUE(applies(forms::kSuperChecked));
    EXPECT_FALSE(applies(forms::kSuperDefaultButton));
    EXPECT_FALSE(applies(forms::kSuperBorder3d));
    EXPECT_FALSE(applies(forms::kSuperFocusRectangle));
    EXPECT_TRUE(applies(forms::kSuperNormalTransparent));
    EXPECT_FALSE(applies(forms::kSuperHoverTransparent));
    EXPECT_TRUE(applies(forms::kSuperDisabledTransparent));
    for (i32 c = forms::kSuperNormalText; c <= forms::kSuperFocusBack; ++c) EXPECT_TRUE(applies(c)) << c;
    EXPECT_FALSE(applies(forms::kSuperHoverSound));  // the raised style lights nothing
    EXPECT_TRUE(applies(forms::kSuperClickSound));

    p.style = forms::kSuperRounded;
    EXPECT_TRUE(applies(forms::kSuperHoverSound));
    p.builtin_sound = 1;
    EXPECT_FALSE(applies(forms::kSuperHoverSound));
    EXPECT_FALSE(applies(forms::kSuperClickSound));
}

TEST(SuperButtonType, IsTypeOneOfTheExtensionLibrary) {
    ASSERT_EQ(forms::kExtensionTypeCount, 1);
    const rt::ComponentType* type = forms::extension_component_types()[0];
    ASSERT_EQ(type, &forms::kSuperButtonType);
    EXPECT_STREQ(type->name, "超级按钮");
    EXPECT_STREQ(type->english_name, "SuperBtn");
    EXPECT_EQ(type->flags, 0x00000840u);
    EXPECT_EQ(type->property_count, 35u);
}

}  // namespace
}  // namespace drive_super_test
