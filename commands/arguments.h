// Reading argument records and writing the result record, the same way in every
// command. Arguments are lent: nothing here frees or keeps them. A record the caller
// did not pass reads as omitted, so a short argument list cannot read past the end.
#pragma once
#include <cstring>

#include "runtime/values.h"

namespace commands {

using rt::i32;
using rt::u32;

class Args {
public:
    Args(i32 count, const rt::ArgRecord* records) : count_(count < 0 ? 0 : count), records_(records) {}

    i32 count() const { return count_; }
    const rt::ArgRecord& at(i32 i) const {
        static const rt::ArgRecord kOmitted = {0, 0, 0};
        return i < count_ ? records_[i] : kOmitted;
    }
    // An optional argument is present when its tag is non-zero.
    bool present(i32 i) const { return at(i).tag != 0; }

    // Texts and byte sets never arrive as null, but an omitted one reads as empty.
    const char* text(i32 i) const {
        const char* t = reinterpret_cast<const char*>(at(i).lo);
        return t ? t : "";
    }
    const rt::ByteSetHeader* bytes(i32 i) const { return reinterpret_cast<const rt::ByteSetHeader*>(at(i).lo); }
    i32 integer(i32 i) const { return static_cast<i32>(at(i).lo); }
    bool logical(i32 i) const { return at(i).lo != 0; }
    double real(i32 i) const { return real_of(at(i)); }

    // The 8-byte kinds keep their value in the low word and then the high word.
    static double real_of(const rt::ArgRecord& r) {
        const rt::u64 bits = r.lo | static_cast<rt::u64>(r.hi) << 32;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }

private:
    i32 count_;
    const rt::ArgRecord* records_;
};

// Results: only the value words are written; the tag stays as the caller zeroed it.
inline void set_int(rt::ResultRecord* r, i32 v) { r->lo = static_cast<u32>(v); }
// A logical result carries the system call's own success value where there is one.
inline void set_raw_logical(rt::ResultRecord* r, u32 v) { r->lo = v; }
inline void set_logical(rt::ResultRecord* r, bool v) { r->lo = v ? 1 : 0; }
inline void set_pointer(rt::ResultRecord* r, const void* owned) { r->lo = reinterpret_cast<u32>(owned); }
inline void set_double(rt::ResultRecord* r, double v) {
    rt::u64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    r->lo = static_cast<u32>(bits);
    r->hi = static_cast<u32>(bits >> 32);
}

}  // namespace commands
