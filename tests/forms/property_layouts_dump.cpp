// Prints each component type's stored layout from its property table, one type a
// line: the type's English name, the block version it writes, then each field in
// stored order as kind:version-that-added-it. check_property_layouts.py compares it
// with the template tools' layouts.
#include <cstdio>

#include "forms/components/button_properties.h"
#include "forms/components/check_box_properties.h"
#include "forms/components/component_types.h"
#include "forms/components/drive_box_properties.h"
#include "forms/components/group_box_properties.h"
#include "forms/components/label_properties.h"
#include "forms/components/super_button_properties.h"
#include "forms/components/super_button_type.h"
#include "forms/components/window_properties.h"

namespace {

const char* kind_name(forms::FieldKind kind) {
    switch (kind) {
    case forms::FieldKind::Word: return "u32";
    case forms::FieldKind::Byte: return "u8";
    case forms::FieldKind::Block: return "bytes";
    case forms::FieldKind::Text: return "text";
    }
    return "?";
}

template <class Table>
void print(const rt::ComponentType& type, const Table& table) {
    std::printf("%s %u", type.english_name, static_cast<unsigned>(table.version));
    for (const auto& field : table.fields)
        std::printf(" %s:%u", kind_name(field.kind()), static_cast<unsigned>(field.since));
    std::printf("\n");
}

}  // namespace

int main() {
    print(forms::kWindowType, forms::kWindowTable);
    print(forms::kGroupBoxType, forms::kGroupBoxLayout);
    print(forms::kLabelType, forms::kLabelLayout);
    print(forms::kButtonType, forms::kButtonLayout);
    print(forms::kCheckBoxType, forms::kCheckBoxLayout);
    print(forms::kRadioType, forms::kRadioLayout);
    print(forms::kDriveBoxType, forms::kDriveBoxTable);
    print(forms::kSuperButtonType, forms::kSuperButtonTable);
    return 0;
}
