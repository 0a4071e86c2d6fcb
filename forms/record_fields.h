// In-place access to the run-time slots and common fields of a stored component
// record. Nothing after the names sits at a fixed offset, so each access walks to the
// field; the loader and property access touch these on every call, the rest goes
// through parse_record / build_record.
#pragma once
#include "forms/template_model.h"

namespace forms {

// Fields 6 to 10: the 28 bytes right after the two names.
enum class Fixed : u32 {
    Object = 0,
    Left = 4,
    Top = 8,
    Width = 12,
    Height = 16,
    Cursor = 20,
    Container = 24,
};

u32 record_type_id(const ByteBlock& record);
u32 record_event_link(const ByteBlock& record);

// 0 when the record is too short to hold the field.
u32 read_fixed(const ByteBlock& record, Fixed field);
// Ignored when the record is too short.
void write_fixed(ByteBlock& record, Fixed field, u32 value);

inline i32 read_fixed_int(const ByteBlock& record, Fixed field) {
    return static_cast<i32>(read_fixed(record, field));
}

// The record with one field replaced; false when the record does not parse.
template <typename Change>
bool change_record(ByteBlock& record, Change change) {
    RecordView view;
    if (!parse_record(record, &view)) return false;
    change(view);
    record = build_record(view);
    return true;
}

}  // namespace forms
