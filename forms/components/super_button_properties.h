// The super button's property record: its property data block (version up to 2),
// its property table with what setting each property does and which properties
// apply in the current configuration.
#pragma once
#include <array>
#include <windows.h>

#include <cstdint>
#include <string>

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

extern const PropertyTable<SuperButtonProperties, SuperEffect> kSuperButtonTable;
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
