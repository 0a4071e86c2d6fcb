// Reading and writing a component's property data block: archive integers, single
// bytes, byte blocks and counted texts, little-endian, lengths first. Every type's
// property reader and "save properties" use these, so a block written back reads
// the same.
#pragma once
#include <string>

#include "forms/template_model.h"

namespace forms {

class PropertyReader {
public:
    PropertyReader(const std::uint8_t* data, u32 length) : data_(data), length_(length) {}

    bool empty() const { return length_ == 0; }
    // Each read fails (and every later read fails too) when the data runs out.
    bool u32_word(u32* out);
    bool byte(std::uint8_t* out);
    bool block(ByteBlock* out);
    bool text(std::string* out);
    bool ok() const { return ok_; }

private:
    bool take(void* out, u32 count);
    const std::uint8_t* data_;
    u32 length_;
    u32 at_ = 0;
    bool ok_ = true;
};

class PropertyWriter {
public:
    void u32_word(u32 v);
    void byte(std::uint8_t v) { out_.push_back(v); }
    void block(const ByteBlock& b);
    void text(const std::string& t);
    const ByteBlock& bytes() const { return out_; }
    // The block in a new byte set, as "save properties" hands it out.
    rt::ByteSetHeader* to_byte_set() const;

private:
    ByteBlock out_;
};

}  // namespace forms
