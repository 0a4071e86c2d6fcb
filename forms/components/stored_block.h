// The record of the types whose property data blocks share one shape (label, button,
// group box, check box, radio button): a version word, integer words, byte blocks,
// the caption and, for the types that bind data, two names from version 2 on. Each
// type's property table says which word or block holds which property.
#pragma once
#include <array>
#include <string>

#include "forms/property_block.h"

namespace forms {

inline constexpr int kMaxBlockWords = 16;
inline constexpr int kMaxBlockBlocks = 2;

struct StoredBlock {
    std::array<u32, kMaxBlockWords> words = {};
    ByteBlock blocks[kMaxBlockBlocks];
    std::string caption;
    std::string data_source;
    std::string data_column;

    // Words and blocks are numbered from 1 in stored order.
    u32 word(int n) const { return words[n - 1]; }
    void set_word(int n, u32 v) { words[n - 1] = v; }
    // Logical words count as true only when they hold exactly 1.
    bool flag(int n) const { return word(n) == 1; }
    const ByteBlock& block(int n) const { return blocks[n - 1]; }
};

using BlockLayout = PropertyTable<StoredBlock>;
using PropertyRow = PropertyField<StoredBlock>;

// Field accessors: word and block N, numbered from 1.
template <int N>
u32& stored_word(StoredBlock& b) {
    static_assert(N >= 1 && N <= kMaxBlockWords);
    return b.words[N - 1];
}
template <int N>
ByteBlock& stored_block(StoredBlock& b) {
    static_assert(N >= 1 && N <= kMaxBlockBlocks);
    return b.blocks[N - 1];
}

// The enumerate-texts order of these types: caption, the font's face name ("" when
// there is no whole font), then the binding names when the type has them.
template <int FontBlock, bool BindingNames>
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
