// Every component type a template stores, as the template tools know it: its type id,
// the English name the tools and the type's descriptor call it by, and its property
// table. The build writes the layouts from here to template_layouts.json
// (template_layouts.cpp), which tools/template_format.py reads: the rows are the
// only description of a stored layout.
#pragma once
#include <array>
#include <cstddef>

#include "forms/components/button_properties.h"
#include "forms/components/check_box_properties.h"
#include "forms/components/drive_box_properties.h"
#include "forms/components/group_box_properties.h"
#include "forms/components/label_properties.h"
#include "forms/components/super_button_properties.h"
#include "forms/components/window_properties.h"
#include "forms/template_types.h"

namespace forms {

// Calls visit(type id, English name, property table) for each type, in type id order.
template <class Visit>
constexpr void for_each_template_layout(Visit&& visit) {
    visit(kTypeWindow, "window", kWindowTable);
    visit(kTypeGroupBox, "GroupBox", kGroupBoxLayout);
    visit(kTypeLabel, "Label", kLabelLayout);
    visit(kTypeButton, "Button", kButtonLayout);
    visit(kTypeCheckBox, "CheckBox", kCheckBoxLayout);
    visit(kTypeRadioBox, "RadioBox", kRadioLayout);
    visit(kTypeDriveBox, "DriverBox", kDriveBoxTable);
    visit(kTypeSuperButton, "SuperBtn", kSuperButtonTable);
}

// Fields the tools show in hexadecimal: the colours.
constexpr bool is_colour_field(const PropertyDescriptor& d) {
    const u32 code = property_code(d);
    return code == kCodeColour || code == kCodeTextColour || code == kCodeBackColour;
}

// The layouts as JSON text: {"types": [{"id", "name", "version", "fields": [[kind,
// name, since, "colour" or "plain"], ...]}, ...]}. Writes nothing but counts when
// `out` is null.
class LayoutText {
public:
    constexpr explicit LayoutText(char* out) : out_(out) {}
    constexpr std::size_t size() const { return size_; }

    constexpr void all() {
        put("{\"types\": [");
        bool first = true;
        for_each_template_layout([&](u32 id, const char* name, const auto& table) {
            put(first ? "\n" : ",\n");
            first = false;
            type(id, name, table);
        });
        put("\n]}\n");
    }

private:
    template <class Table>
    constexpr void type(u32 id, const char* name, const Table& table) {
        put("  {\"id\": ");
        number(id);
        put(", \"name\": \"");
        put(name);
        put("\", \"version\": ");
        number(table.version);
        put(", \"fields\": [");
        bool first = true;
        for (const auto& f : table.fields) {
            put(first ? "\n    [\"" : ",\n    [\"");
            first = false;
            put(kind_name(f.kind()));
            put("\", \"");
            put(f.describe.english_name);
            put("\", ");
            number(f.since);
            put(is_colour_field(f.describe) ? ", \"colour\"]" : ", \"plain\"]");
        }
        put("]}");
    }

    static constexpr const char* kind_name(FieldKind kind) {
        switch (kind) {
        case FieldKind::Word: return "u32";
        case FieldKind::Byte: return "u8";
        case FieldKind::Block: return "bytes";
        case FieldKind::Text: return "text";
        }
        return "?";
    }

    constexpr void put(char c) {
        if (out_) out_[size_] = c;
        ++size_;
    }
    constexpr void put(const char* s) {
        while (*s) put(*s++);
    }
    constexpr void number(u32 v) {
        char digits[10] = {};
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v);
        while (n) put(digits[--n]);
    }

    char* out_;
    std::size_t size_ = 0;
};

inline constexpr std::size_t kLayoutTextSize = [] {
    LayoutText counting(nullptr);
    counting.all();
    return counting.size();
}();

// The text with a terminating zero.
constexpr std::array<char, kLayoutTextSize + 1> layout_text() {
    std::array<char, kLayoutTextSize + 1> text = {};
    LayoutText writing(text.data());
    writing.all();
    return text;
}

}  // namespace forms
