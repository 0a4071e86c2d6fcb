// Reading and writing a component's property data block: archive integers, single
// bytes, byte blocks and counted texts, little-endian, lengths first. Every type's
// property reader and "save properties" use these, so a block written back reads
// the same.
#pragma once
#include <string>

#include "forms/template_archive.h"
#include "forms/template_model.h"

namespace forms {

// The archive conventions of the template (forms/template_archive.h) under the names
// the property tables use.
class PropertyReader : ArchiveReader {
public:
    PropertyReader(const std::uint8_t* data, u32 length) : ArchiveReader(data, length), empty_(length == 0) {}

    bool empty() const { return empty_; }
    // Each read fails (and every later read fails too) when the data runs out.
    bool u32_word(u32* out) { return read_u32(out); }
    bool byte(std::uint8_t* out) { return read_u8(out); }
    bool block(ByteBlock* out) { return read_byte_block(out); }
    bool text(std::string* out) { return read_counted_text(out); }
    using ArchiveReader::ok;

private:
    bool empty_;
};

class PropertyWriter : ArchiveWriter {
public:
    void u32_word(u32 v) { put_u32(v); }
    void byte(std::uint8_t v) { put_u8(v); }
    void block(const ByteBlock& b) { put_byte_block(b); }
    void text(const std::string& t) { put_counted_text(t); }
    const ByteBlock& bytes() const { return data(); }
    // The block in a new byte set, as "save properties" hands it out.
    rt::ByteSetHeader* to_byte_set() const;
};

}  // namespace forms
