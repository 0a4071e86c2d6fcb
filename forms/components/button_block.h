// The property data block that the label, the button, the group box, the check box
// and the radio button share in shape: a version word, integer words, byte blocks,
// the caption and, for the types that bind data, two names from version 2 on. Each
// type describes its block by a shape and its properties by a table of rows saying
// where a property lives in the block and how a written value is kept.
#pragma once
#include <array>
#include <span>
#include <string>

#include "forms/component_type.h"
#include "forms/template_model.h"

namespace forms {

inline constexpr int kMaxBlockWords = 16;
inline constexpr int kMaxBlockBlocks = 2;

struct BlockShape {
    int word_count;      // integer words right after the version word
    int block_count;     // then byte blocks, then the caption
    u32 max_version;     // a newer block cannot be read
    bool binding_names;  // data source and column names after the caption, version 2 on
};

// A component's properties as its block stores them.
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

// False for a version above the shape's maximum or data that runs out; an empty
// block gives `defaults`.
bool read_stored_block(const BlockShape& shape, const StoredBlock& defaults, const std::uint8_t* data, u32 length,
                       StoredBlock* out);
// Always in the newest version the shape knows.
ByteBlock write_stored_block(const BlockShape& shape, const StoredBlock& block);

enum class Slot : std::uint8_t { Word, Block, Caption, DataSource, DataColumn };
// How a written value is kept: as it comes, clamped to 0 ... limit (choices), or
// raised to at least `limit`.
enum class Keep : std::uint8_t { AsIs, Choice, AtLeast };

struct PropertyRow {
    i32 property;  // the full index, 8 and up
    Slot slot;
    int number;    // word or block number; 0 for texts
    Keep keep;
    u32 limit;
    int effect;    // what the type does once the value is stored (the type's own codes)
};

// The row for a component-specific index (property index - 8), or null.
const PropertyRow* find_row(std::span<const PropertyRow> rows, i32 index);
// Texts and blocks are lent: the record points into the stored block.
void get_stored(const StoredBlock& block, const PropertyRow& row, ValueRecord* out);
void set_stored(StoredBlock* block, const PropertyRow& row, const ValueRecord& value);

// The face name of a stored whole logical font, or null when the block holds none.
const char* stored_face_name(const ByteBlock& font);

}  // namespace forms
