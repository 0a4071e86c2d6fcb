#include "forms/components/button_block.h"

#include <windows.h>

#include "forms/property_archive.h"

namespace forms {

bool read_stored_block(const BlockShape& shape, const StoredBlock& defaults, const std::uint8_t* data, u32 length,
                       StoredBlock* out) {
    *out = defaults;
    if (length == 0) return true;
    PropertyReader in(data, length);
    u32 version = 0;
    if (!in.u32_word(&version) || version > shape.max_version) return false;
    for (int n = 0; n < shape.word_count; ++n) in.u32_word(&out->words[n]);
    for (int n = 0; n < shape.block_count; ++n) in.block(&out->blocks[n]);
    in.text(&out->caption);
    if (shape.binding_names && version >= 2) {
        in.text(&out->data_source);
        in.text(&out->data_column);
    }
    return in.ok();
}

ByteBlock write_stored_block(const BlockShape& shape, const StoredBlock& block) {
    PropertyWriter out;
    out.u32_word(shape.max_version);
    for (int n = 0; n < shape.word_count; ++n) out.u32_word(block.words[n]);
    for (int n = 0; n < shape.block_count; ++n) out.block(block.blocks[n]);
    out.text(block.caption);
    if (shape.binding_names && shape.max_version >= 2) {
        out.text(block.data_source);
        out.text(block.data_column);
    }
    return out.bytes();
}

const PropertyRow* find_row(std::span<const PropertyRow> rows, i32 index) {
    const i32 property = index + kCommonPropertyCount;
    for (const PropertyRow& row : rows)
        if (row.property == property) return &row;
    return nullptr;
}

namespace {

// The caption or a binding name, const or not as the block is.
template <typename Block>
auto* text_of(Block& block, Slot slot) {
    using Text = decltype(&block.caption);
    switch (slot) {
    case Slot::Caption: return &block.caption;
    case Slot::DataSource: return &block.data_source;
    case Slot::DataColumn: return &block.data_column;
    default: return static_cast<Text>(nullptr);
    }
}

u32 kept(const PropertyRow& row, u32 value) {
    const i32 v = static_cast<i32>(value);
    switch (row.keep) {
    case Keep::AsIs: return value;
    case Keep::Choice: return v < 0 ? 0 : (value > row.limit ? row.limit : value);
    case Keep::AtLeast: return v < static_cast<i32>(row.limit) ? row.limit : value;
    }
    return value;
}

}  // namespace

void get_stored(const StoredBlock& block, const PropertyRow& row, ValueRecord* out) {
    switch (row.slot) {
    case Slot::Word: *out = {block.word(row.number), 0}; return;
    case Slot::Block: {
        const ByteBlock& b = block.block(row.number);
        *out = {b.empty() ? 0u : reinterpret_cast<u32>(b.data()), static_cast<u32>(b.size())};
        return;
    }
    default: *out = {reinterpret_cast<u32>(text_of(block, row.slot)->c_str()), 0}; return;
    }
}

void set_stored(StoredBlock* block, const PropertyRow& row, const ValueRecord& value) {
    switch (row.slot) {
    case Slot::Word: block->set_word(row.number, kept(row, value.value)); return;
    case Slot::Block: {
        const auto* data = reinterpret_cast<const std::uint8_t*>(value.value);
        ByteBlock& b = block->blocks[row.number - 1];
        if (data && value.second)
            b.assign(data, data + value.second);
        else
            b.clear();
        return;
    }
    default: {
        const char* text = reinterpret_cast<const char*>(value.value);
        *text_of(*block, row.slot) = text ? text : "";
        return;
    }
    }
}

const char* stored_face_name(const ByteBlock& font) {
    if (font.size() != sizeof(LOGFONTA)) return nullptr;
    const auto* record = reinterpret_cast<const LOGFONTA*>(font.data());
    // The face is a fixed field: never read past it, even when it lacks its 0.
    for (char c : record->lfFaceName)
        if (c == 0) return record->lfFaceName;
    return nullptr;
}

}  // namespace forms
