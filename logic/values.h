// Owning handles for the program logic's texts, byte sets and arrays of texts: each
// frees its block through the entry table when it goes out of scope. Arguments are
// lent as raw pointers. Texts compare and join the way the program logic does.
#pragma once
#include <cstring>
#include <initializer_list>
#include <utility>

#include "logic/entries.h"
#include "runtime/values.h"

namespace logic {

using rt::compare_texts;
inline u32 length_of(const char* text) { return rt::text_length(text); }

class Text {
public:
    Text() = default;
    static Text adopt(char* owned) { Text t; t.p_ = owned; return t; }
    // The logic's own copy: an empty source gives null.
    static Text copy(const char* source) {
        const u32 n = length_of(source);
        if (n == 0) return {};
        char* p = static_cast<char*>(allocate(static_cast<i32>(n + 1)));
        std::memcpy(p, source, n + 1);
        return adopt(p);
    }
    // The first `count` bytes of `source` (no more than it has); none gives null.
    static Text first_bytes(const char* source, u32 count) {
        const u32 n = length_of(source) < count ? length_of(source) : count;
        if (n == 0) return {};
        char* p = static_cast<char*>(allocate(static_cast<i32>(n + 1)));
        std::memcpy(p, source, n);
        p[n] = '\0';
        return adopt(p);
    }
    Text(Text&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    Text& operator=(Text&& other) noexcept {
        if (this != &other) { reset(); p_ = std::exchange(other.p_, nullptr); }
        return *this;
    }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { reset(); }

    void reset() { logic::release(std::exchange(p_, nullptr)); }
    char* release() { return std::exchange(p_, nullptr); }
    const char* get() const { return p_; }
    char* data() { return p_; }
    const char* c_str() const { return p_ ? p_ : ""; }
    u32 length() const { return length_of(p_); }
    bool empty() const { return length() == 0; }

    friend bool operator==(const Text& a, const char* b) { return compare_texts(a.p_, b) == 0; }
    friend bool operator==(const Text& a, const Text& b) { return compare_texts(a.p_, b.p_) == 0; }

private:
    char* p_ = nullptr;
};

// Joining: always a new heap block, also when every part is empty.
inline Text join(std::initializer_list<const char*> parts) {
    u32 total = 0;
    for (const char* part : parts) total += length_of(part);
    char* out = static_cast<char*>(allocate(static_cast<i32>(total + 1)));
    char* at = out;
    for (const char* part : parts) {
        const u32 n = length_of(part);
        std::memcpy(at, part, n);
        at += n;
    }
    *at = '\0';
    return Text::adopt(out);
}

class Bytes {
public:
    Bytes() = default;
    static Bytes adopt(rt::ByteSetHeader* owned) { Bytes b; b.p_ = owned; return b; }
    static Bytes copy_of(const void* data, i32 count) {
        if (count < 1) return {};
        auto* p = static_cast<rt::ByteSetHeader*>(allocate(8 + count));
        p->dimensions = 1;
        p->length = count;
        std::memcpy(p + 1, data, static_cast<size_t>(count));
        return adopt(p);
    }
    Bytes(Bytes&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    Bytes& operator=(Bytes&& other) noexcept {
        if (this != &other) { reset(); p_ = std::exchange(other.p_, nullptr); }
        return *this;
    }
    Bytes(const Bytes&) = delete;
    Bytes& operator=(const Bytes&) = delete;
    ~Bytes() { reset(); }

    void reset() { logic::release(std::exchange(p_, nullptr)); }
    const rt::ByteSetHeader* get() const { return p_; }
    i32 size() const { return p_ ? p_->length : 0; }
    const unsigned char* data() const { return p_ ? reinterpret_cast<const unsigned char*>(p_ + 1) : nullptr; }

private:
    rt::ByteSetHeader* p_ = nullptr;
};

// A one-dimensional array of owned texts. Never null: it starts as an empty block.
class TextArray {
public:
    TextArray() : p_(static_cast<rt::ArrayHeader*>(allocate(8))) { p_->dimensions = 1; p_->sizes[0] = 0; }
    // Takes over an array of owned texts, such as a command result; null stays empty.
    static TextArray adopt(rt::ArrayHeader* owned) {
        TextArray a;
        if (owned) { a.free_all(); a.p_ = owned; }
        return a;
    }
    TextArray(TextArray&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    TextArray& operator=(TextArray&& other) noexcept {
        if (this != &other) { free_all(); p_ = std::exchange(other.p_, nullptr); }
        return *this;
    }
    TextArray(const TextArray&) = delete;
    TextArray& operator=(const TextArray&) = delete;
    ~TextArray() { free_all(); }

    const rt::ArrayHeader* get() const { return p_; }
    i32 size() const {
        if (!p_ || p_->dimensions <= 0) return 0;
        i32 n = 1;
        for (i32 d = 0; d < p_->dimensions; ++d) n *= p_->sizes[d];
        return n;
    }
    // Element i, from 1: below 1 is runtime error 4, beyond the end runtime error 1.
    const char* at(i32 index, Site where) const {
        if (index - 1 < 0) raise(rt::kErrIndexBelowOne, where);
        if (index - 1 >= size()) raise(rt::kErrIndexOutOfRange, where);
        return elements()[index - 1];
    }
    // The add-member operation: the block is unshared first, as for any array that
    // may still be an initial constant. The grown array is a new one-dimensional
    // block: the old one may be shorter than that header (no dimension at all) or
    // longer (several).
    void append(const char* text) {
        entries().call_helper(rt::kHelperUnshareArray, 4, reinterpret_cast<u32>(&p_), 0, 0, 0, 0);
        const i32 n = size();
        auto* grown = static_cast<rt::ArrayHeader*>(allocate(8 + 4 * (n + 1)));
        grown->dimensions = 1;
        grown->sizes[0] = n + 1;
        char** slots = reinterpret_cast<char**>(grown + 1);
        if (n > 0) std::memcpy(slots, elements(), 4u * static_cast<u32>(n));
        slots[n] = Text::copy(text).release();
        logic::release(std::exchange(p_, grown));
    }
    void clear() { free_all(); *this = TextArray(); }

private:
    char** elements() const { return reinterpret_cast<char**>(reinterpret_cast<char*>(p_) + 4 + 4 * p_->dimensions); }
    void free_all() {
        if (!p_) return;
        const i32 n = size();
        for (i32 i = 0; i < n; ++i) logic::release(elements()[i]);
        logic::release(std::exchange(p_, nullptr));
    }
    rt::ArrayHeader* p_;
};

}  // namespace logic
