#include "forms/value_conversion.h"

#include <cstring>

#include "forms/cursor_value.h"
#include "forms/font_value.h"
#include "runtime/texts.h"

namespace forms {
namespace {

const char kEmptyText[] = "";

struct CodeForm {
    u32 code;
    ValueForm form;
};

// Codes not listed here travel as texts.
constexpr CodeForm kForms[] = {
    {kCodeInteger, ValueForm::Integer},  {kCodeInteger2, ValueForm::Integer}, {kCodeLong, ValueForm::Long},
    {kCodeLong2, ValueForm::Long},       {kCodeLogical, ValueForm::Logical},  {kCodeText, ValueForm::Text},
    {kCodeChoice, ValueForm::Choice},    {kCodePicture, ValueForm::Bytes},    {kCodeIcon, ValueForm::Bytes},
    {kCodeSound, ValueForm::Bytes},      {kCodeBytes, ValueForm::Bytes},      {kCodeBytes2, ValueForm::Bytes},
    {kCodeCursor, ValueForm::Cursor},    {kCodeFont, ValueForm::Font},        {kCodeTextColour, ValueForm::Colour},
    {kCodeColour, ValueForm::Colour},    {kCodeBackColour, ValueForm::Colour},
};

}  // namespace

ValueForm value_form(u32 code) {
    for (const CodeForm& f : kForms)
        if (f.code == code) return f.form;
    return ValueForm::Text;
}

ByteBlock bytes_of_set(u32 byte_set_pointer) {
    const auto* set = reinterpret_cast<const rt::ByteSetHeader*>(byte_set_pointer);
    const i32 n = rt::byte_set_length(set);
    if (n <= 0) return {};
    const std::uint8_t* data = rt::byte_set_data(set);
    return ByteBlock(data, data + n);
}

void to_component(u32 code, u32 lo, u32 hi, OutgoingValue* out) {
    switch (value_form(code)) {
    case ValueForm::Integer:
    case ValueForm::Colour: out->record = {lo, 0}; return;
    case ValueForm::Long: out->record = {lo, hi}; return;
    case ValueForm::Logical: out->record = {lo ? 1u : 0u, 0}; return;
    case ValueForm::Choice: out->record = {static_cast<i32>(lo) < 0 ? 0u : lo, 0}; return;
    case ValueForm::Text: out->record = {lo ? lo : reinterpret_cast<u32>(kEmptyText), 0}; return;
    case ValueForm::Bytes: {
        const auto* set = reinterpret_cast<const rt::ByteSetHeader*>(lo);
        const i32 n = rt::byte_set_length(set);
        out->record = {n > 0 ? reinterpret_cast<u32>(rt::byte_set_data(set)) : 0u, static_cast<u32>(n > 0 ? n : 0)};
        return;
    }
    case ValueForm::Cursor:
        out->storage = bytes_of_set(lo);
        cursor_to_platform(out->storage);
        out->record = {reinterpret_cast<u32>(out->storage.data()), static_cast<u32>(out->storage.size())};
        return;
    case ValueForm::Font: return;
    }
}

rt::u64 from_component(u32 code, const ValueRecord& value) {
    switch (value_form(code)) {
    case ValueForm::Integer:
    case ValueForm::Choice:
    case ValueForm::Colour: return value.value;
    case ValueForm::Long: return (static_cast<rt::u64>(value.second) << 32) | value.value;
    case ValueForm::Logical: return value.value == 1 ? 1 : 0;
    case ValueForm::Text: return reinterpret_cast<u32>(rt::copy_text(reinterpret_cast<const char*>(value.value)));
    case ValueForm::Bytes:
        return reinterpret_cast<u32>(
            rt::make_byte_set(reinterpret_cast<const void*>(value.value), static_cast<i32>(value.second)));
    case ValueForm::Cursor: {
        ByteBlock data;
        if (value.value && value.second)
            data.assign(reinterpret_cast<const std::uint8_t*>(value.value),
                        reinterpret_cast<const std::uint8_t*>(value.value) + value.second);
        cursor_to_stock(data);
        return reinterpret_cast<u32>(rt::make_byte_set(data.data(), static_cast<i32>(data.size())));
    }
    case ValueForm::Font: return 0;
    }
    return 0;
}

LOGFONTA font_of(const ValueRecord& value) {
    if (value.value && value.second == sizeof(LOGFONTA)) {
        LOGFONTA font;
        std::memcpy(&font, reinterpret_cast<const void*>(value.value), sizeof font);
        return font;
    }
    return default_gui_font();
}

}  // namespace forms
