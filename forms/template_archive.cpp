#include "forms/template_archive.h"

#include <cstring>

namespace forms {

bool ArchiveReader::skip(size_t count) {
    if (!ok_ || count > length_ - pos_) return fail();
    pos_ += count;
    return true;
}

bool ArchiveReader::read_u32(u32* out) {
    if (!ok_ || length_ - pos_ < 4) return fail();
    *out = load_u32(data_ + pos_);
    pos_ += 4;
    return true;
}

bool ArchiveReader::read_i32(i32* out) {
    u32 word;
    if (!read_u32(&word)) return false;
    *out = static_cast<i32>(word);
    return true;
}

bool ArchiveReader::read_u8(std::uint8_t* out) {
    if (!ok_ || pos_ == length_) return fail();
    *out = data_[pos_++];
    return true;
}

bool ArchiveReader::read_bytes(size_t count, ByteBlock* out) {
    if (!ok_ || count > length_ - pos_) return fail();
    out->assign(data_ + pos_, data_ + pos_ + count);
    pos_ += count;
    return true;
}

bool ArchiveReader::read_counted_text(std::string* out) {
    u32 length;
    if (!read_u32(&length)) return false;
    if (length > length_ - pos_) return fail();
    out->assign(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return true;
}

bool ArchiveReader::read_byte_block(ByteBlock* out) {
    u32 length;
    return read_u32(&length) && read_bytes(length, out);
}

bool ArchiveReader::read_inline_text(std::string* out) {
    if (!ok_ || pos_ == length_) return fail();
    const void* nul = std::memchr(data_ + pos_, 0, length_ - pos_);
    if (!nul) return fail();
    size_t length = static_cast<const std::uint8_t*>(nul) - (data_ + pos_);
    out->assign(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length + 1;
    return true;
}

ByteBlock ArchiveReader::read_rest() {
    if (!ok_) return {};
    ByteBlock rest(data_ + pos_, data_ + length_);
    pos_ = length_;
    return rest;
}

void ArchiveWriter::put_u32(u32 value) {
    std::uint8_t word[4];
    store_u32(word, value);
    put_bytes(word, 4);
}

void ArchiveWriter::put_counted_text(const std::string& text) {
    put_u32(static_cast<u32>(text.size()));
    put_bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void ArchiveWriter::put_byte_block(const ByteBlock& data) {
    put_u32(static_cast<u32>(data.size()));
    put_bytes(data);
}

void ArchiveWriter::put_inline_text(const std::string& text) {
    put_bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    put_u8(0);
}

}  // namespace forms
