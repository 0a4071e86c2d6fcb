// The super button's property record: its property data block (version up to 2),
// access by component-specific index (property index - 8), what setting each
// property does, and which properties apply in the current configuration.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "forms/component_type.h"
#include "forms/template_model.h"

namespace forms {

// Property indexes of the super button.
enum SuperButtonProperty : i32 {
    kSuperStyle = 8,                 // choice: 0 flat, 1 raised, 2 flat and rounded
    kSuperToggle = 9,                // logical: a click flips the checked state
    kSuperChecked = 10,              // logical
    kSuperAlignment = 11,            // choice 0 ... 3: picture and caption
    kSuperPressOffset = 12,          // choice: 0 right and down by 1, 1 down by 2
    kSuperBorder3d = 13,             // logical: flat styles draw a 3D border when lit
    kSuperFocusRectangle = 14,       // logical: flat styles draw the focus rectangle
    kSuperNormalPicture = 15,        // image data
    kSuperNormalTransparent = 16,    // colour; kDefaultColour: the top-left pixel's
    kSuperHoverPicture = 17,         // image data
    kSuperHoverTransparent = 18,     // colour
    kSuperDisabledPicture = 19,      // image data
    kSuperDisabledTransparent = 20,  // colour
    kSuperFont = 21,                 // 60-byte logical font, empty: the platform's default
    kSuperCaption = 22,              // text
    kSuperSystemColours = 23,        // logical: take the six colours from the system
    kSuperNormalText = 24,           // colour
    kSuperNormalBack = 25,           // colour; kDefaultColour: the button face
    kSuperHoverText = 26,            // colour
    kSuperHoverBack = 27,            // colour
    kSuperFocusText = 28,            // colour
    kSuperFocusBack = 29,            // colour
    kSuperBuiltinSound = 30,         // logical: the library's own click sound
    kSuperHoverSound = 31,           // wave data
    kSuperClickSound = 32,           // wave data
    kSuperTooltip = 33,              // text
    kSuperDefaultButton = 34,        // choice 0 ... 1
    kSuperPropertyCount = 35,
};

enum SuperButtonStyle : u32 { kSuperFlat = 0, kSuperRaised = 1, kSuperRounded = 2 };

inline constexpr u32 kSuperBlockVersion = 2;

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

// False for a version above 2 or data that runs out; an empty block gives defaults,
// and a version 1 block leaves the disabled picture and its colour at theirs.
bool read_super_button_properties(const std::uint8_t* data, u32 length, SuperButtonProperties* out);
ByteBlock write_super_button_properties(const SuperButtonProperties& properties);

// What setting a property does beyond storing the value.
enum class SuperEffect {
    Redraw,             // takes effect in place and the button is redrawn
    RedrawOwnColours,   // a colour: redrawn only while the system colours are not used
    Quiet,              // sounds and the tooltip: nothing to redraw
    RebuildWhenChanged, // the toggle flag: the platform button type changes
    Rebuild,            // the default-button flag
};

// By component-specific index. Get points the record at the stored text or data.
bool get_super_button_property(const SuperButtonProperties& properties, i32 index, ValueRecord* out);
// Stores the value (choices clamped to their range); false for an unknown index.
// *changed tells whether the stored value differs from before.
bool set_super_button_property(SuperButtonProperties* properties, i32 index, const ValueRecord& value,
                               bool* changed);
SuperEffect super_button_effect(i32 index);

// Whether the property has any effect in this configuration (operation 2).
bool super_button_property_applies(const SuperButtonProperties& properties, i32 index);

// Every text the block holds, for the enumerate-texts operation: caption, tooltip
// and the font's face name.
template <typename Visit>
void visit_super_button_texts(const SuperButtonProperties& p, Visit visit) {
    visit(p.caption);
    visit(p.tooltip);
    if (p.font.size() == sizeof(LOGFONTA)) {
        const char* face = reinterpret_cast<const LOGFONTA*>(p.font.data())->lfFaceName;
        visit(std::string(face, strnlen(face, LF_FACESIZE)));
    }
}

}  // namespace forms
