// The record of the types whose property data blocks share one shape (label, button,
// group box, check box, radio button): a version word, integer words, byte blocks,
// the caption and, for the types that bind data, two names from version 2 on. Each
// word and block is kept at its property's index, so a type's rows alone say where
// its values live, in which order they are stored and what an empty block gives.
#pragma once
#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "forms/property_block.h"
#include "forms/property_indexes.h"

namespace forms {

// Room for every property index of the types that use this record.
inline constexpr int kStoredSlots = std::max<i32>(
    {kLabelPropertyCount, kButtonPropertyCount, kGroupPropertyCount, kCheckBoxPropertyCount, kRadioPropertyCount});

struct StoredBlock {
    std::array<u32, kStoredSlots> words = {};
    std::array<ByteBlock, kStoredSlots> blocks;
    std::string caption;
    std::string data_source;
    std::string data_column;

    // By the property's index.
    u32 word(i32 property) const { return words[property]; }
    void set_word(i32 property, u32 v) { words[property] = v; }
    // Logical words count as true only when they hold exactly 1.
    bool flag(i32 property) const { return word(property) == 1; }
    const ByteBlock& block(i32 property) const { return blocks[property]; }
};

using BlockLayout = PropertyTable<StoredBlock>;
using PropertyRow = PropertyField<StoredBlock>;

// Field accessors: the word and the block of property N.
template <i32 N>
    requires(N >= kCommonPropertyCount && N < kStoredSlots)
inline constexpr auto stored_word = element<&StoredBlock::words, N>;
template <i32 N>
    requires(N >= kCommonPropertyCount && N < kStoredSlots)
inline constexpr auto stored_block = element<&StoredBlock::blocks, N>;

// What an empty block gives: each word its row's initial value, empty blocks and
// names, and the type's own caption.
inline StoredBlock stored_defaults(std::span<const PropertyRow> rows, const char* caption) {
    StoredBlock b;
    for (const PropertyRow& row : rows)
        if (row.kind() == FieldKind::Word) row.word(b) = row.initial;
    b.caption = caption;
    return b;
}

// The enumerate-texts order of these types: caption, the font's face name ("" when
// there is no whole font), then the binding names when the type has them.
template <i32 FontBlock, bool BindingNames>
void stored_block_texts(const StoredBlock& b, TextCallback callback, void* context) {
    callback(b.caption.c_str(), context);
    const char* face = stored_face_name(b.block(FontBlock));
    callback(face ? face : "", context);
    if constexpr (BindingNames) {
        callback(b.data_source.c_str(), context);
        callback(b.data_column.c_str(), context);
    }
}

}  // namespace forms
