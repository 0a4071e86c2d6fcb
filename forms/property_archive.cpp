#include "forms/property_archive.h"

#include <cstring>

#include "runtime/texts.h"

namespace forms {

bool PropertyReader::take(void* out, u32 count) {
    if (!ok_ || count > length_ - at_) return ok_ = false;
    if (count) std::memcpy(out, data_ + at_, count);
    at_ += count;
    return true;
}

bool PropertyReader::u32_word(u32* out) { return take(out, 4); }
bool PropertyReader::byte(std::uint8_t* out) { return take(out, 1); }

bool PropertyReader::block(ByteBlock* out) {
    u32 n = 0;
    if (!u32_word(&n) || n > length_ - at_) return ok_ = false;
    out->assign(data_ + at_, data_ + at_ + n);
    at_ += n;
    return true;
}

bool PropertyReader::text(std::string* out) {
    u32 n = 0;
    if (!u32_word(&n) || n > length_ - at_) return ok_ = false;
    out->assign(reinterpret_cast<const char*>(data_ + at_), n);
    at_ += n;
    return true;
}

void PropertyWriter::u32_word(u32 v) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&v);
    out_.insert(out_.end(), p, p + 4);
}

void PropertyWriter::block(const ByteBlock& b) {
    u32_word(static_cast<u32>(b.size()));
    out_.insert(out_.end(), b.begin(), b.end());
}

void PropertyWriter::text(const std::string& t) {
    u32_word(static_cast<u32>(t.size()));
    out_.insert(out_.end(), t.begin(), t.end());
}

rt::ByteSetHeader* PropertyWriter::to_byte_set() const {
    return rt::make_byte_set(out_.data(), static_cast<i32>(out_.size()));
}

}  // namespace forms
