// Property data blocks of the label, button, group box, check box and radio button,
// written from the types' own rows: a value starts as an empty block reads, in the
// type's newest version, and each setter stores exactly what it is given, as
// template data may hold it (no clamping).
#pragma once
#include <initializer_list>
#include <string>
#include <utility>

#include "forms/components/button_properties.h"
#include "forms/components/check_box_properties.h"
#include "forms/components/group_box_properties.h"
#include "forms/components/label_properties.h"
#include "forms/template_model.h"

namespace component_test {

using forms::ByteBlock;
using forms::i32;
using forms::u32;

inline constexpr u32 kDefault = 0xFF000000;

class StoredValues {
public:
    explicit StoredValues(const forms::BlockLayout& layout)
        : layout_(&layout), record_(layout.defaults()), version(layout.version) {}

    StoredValues& word(i32 property, u32 value);
    // Several words at once: {property, value} pairs.
    StoredValues& words(std::initializer_list<std::pair<i32, u32>> values);
    StoredValues& text(i32 property, std::string value);
    StoredValues& data(i32 property, ByteBlock value);
    u32 word(i32 property) const { return record_.word(property); }

    // The block in `version`, laid out by this type's rows or by another layout's
    // over the same record (the radio button's rows are the check box's first ones).
    ByteBlock block() const { return block_as(*layout_, version); }
    ByteBlock block_as(const forms::BlockLayout& layout, u32 as_version) const {
        return forms::write_properties(layout, record_, as_version);
    }

private:
    const forms::PropertyRow* row(i32 property, forms::FieldKind kind) const;

    const forms::BlockLayout* layout_;
    forms::StoredBlock record_;

public:
    u32 version;
};

struct LabelValues : StoredValues {
    LabelValues() : StoredValues(forms::kLabelLayout) {}
};
struct ButtonValues : StoredValues {
    ButtonValues() : StoredValues(forms::kButtonLayout) {}
};
struct GroupValues : StoredValues {
    GroupValues() : StoredValues(forms::kGroupBoxLayout) {}
};
// Check box and radio button: the radio button stores no binding names (version 1).
struct CheckValues : StoredValues {
    CheckValues() : StoredValues(forms::kCheckBoxLayout) {}
};

inline ByteBlock label_block(const LabelValues& v) { return v.block(); }
inline ByteBlock button_block(const ButtonValues& v) { return v.block(); }
inline ByteBlock group_block(const GroupValues& v) { return v.block(); }
inline ByteBlock check_block(const CheckValues& v) { return v.block(); }
// The same values in the radio button's newest version.
inline ByteBlock radio_block(const CheckValues& v) {
    return v.block_as(forms::kRadioLayout, forms::kRadioLayout.version);
}

// A 60-byte logical font with this face and height.
ByteBlock font_record(const std::string& face, int height = -12);
// A BMP file of one colour (0x00BBGGRR), 24 bits a pixel.
ByteBlock solid_bmp(int width, int height, u32 colour);

// An icon file holding one opaque 32-bit image of one colour.
ByteBlock solid_ico(int size, u32 colour);

}  // namespace component_test
