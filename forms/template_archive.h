// The archive conventions of window template data: little-endian words, counted
// texts, byte blocks and inline texts. The reader checks every length against the
// end of its data and never reads past it; once a read fails, every later read fails
// too, so a caller may check once after a run of reads.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/template_model.h"

namespace forms {

class ArchiveReader {
public:
    ArchiveReader(const std::uint8_t* data, size_t length) : data_(data), length_(length) {}

    bool ok() const { return ok_; }
    size_t position() const { return pos_; }
    size_t remaining() const { return ok_ ? length_ - pos_ : 0; }
    bool at_end() const { return ok_ && pos_ == length_; }

    bool read_u32(u32* out);
    bool read_i32(i32* out);
    bool read_u8(std::uint8_t* out);
    bool skip(size_t count);
    // Exactly `count` bytes; count is checked before anything is allocated.
    bool read_bytes(size_t count, ByteBlock* out);
    bool read_counted_text(std::string* out);
    bool read_byte_block(ByteBlock* out);
    // Bytes up to the terminating 0, which is consumed but not kept.
    bool read_inline_text(std::string* out);
    // Everything up to the end.
    ByteBlock read_rest();

private:
    bool fail() { ok_ = false; return false; }
    const std::uint8_t* data_;
    size_t length_;
    size_t pos_ = 0;
    bool ok_ = true;
};

class ArchiveWriter {
public:
    void put_u32(u32 value);
    void put_i32(i32 value) { put_u32(static_cast<u32>(value)); }
    void put_u8(std::uint8_t value) { out_.push_back(value); }
    void put_bytes(const std::uint8_t* data, size_t count) { out_.insert(out_.end(), data, data + count); }
    void put_bytes(const ByteBlock& data) { put_bytes(data.data(), data.size()); }
    void put_counted_text(const std::string& text);
    void put_byte_block(const ByteBlock& data);
    void put_inline_text(const std::string& text);

    const ByteBlock& data() const { return out_; }
    ByteBlock take() { return std::move(out_); }

private:
    ByteBlock out_;
};

// Little-endian word at `at`; the caller has checked the bounds.
inline u32 load_u32(const std::uint8_t* at) {
    return u32(at[0]) | u32(at[1]) << 8 | u32(at[2]) << 16 | u32(at[3]) << 24;
}
inline void store_u32(std::uint8_t* at, u32 value) {
    at[0] = std::uint8_t(value);
    at[1] = std::uint8_t(value >> 8);
    at[2] = std::uint8_t(value >> 16);
    at[3] = std::uint8_t(value >> 24);
}

}  // namespace forms
