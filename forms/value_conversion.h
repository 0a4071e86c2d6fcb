// Property values by type code: from the program's two words to the value record a
// component's set property receives, and from the record its get property fills back
// to what the program receives (new texts and byte sets the program owns).
#pragma once
#include <windows.h>

#include "forms/component_type.h"
#include "forms/template_model.h"

namespace forms {

enum class ValueForm {
    Integer,   // 1000, 1001
    Long,      // 1002, 1004: two words
    Logical,   // 1003
    Text,      // 1005 and every code not listed
    Choice,    // 1006
    Bytes,     // 1009, 1010, 1012, 1023, 1024
    Cursor,    // 1011
    Font,      // 1013
    Colour,    // 1014, 1015, 1017
};

ValueForm value_form(u32 code);

// A value on its way to a component, with whatever storage its record points at.
struct OutgoingValue {
    ValueRecord record = {0, 0};
    ByteBlock storage;  // translated cursor data
    LOGFONTA font = {};
};

// Every form but Font (which needs the component's current font, see font_value.h).
void to_component(u32 code, u32 lo, u32 hi, OutgoingValue* out);
// Every form but Font.
rt::u64 from_component(u32 code, const ValueRecord& value);

// The font a component's get property reported, or the default GUI font when it
// holds none.
LOGFONTA font_of(const ValueRecord& value);

// The data a byte set value carries (none for the empty set).
ByteBlock bytes_of_set(u32 byte_set_pointer);

}  // namespace forms
