// Passing a record value to a DLL command by reference: the function gets a
// temporary native block with the fields laid out inline (numbers in their storage
// form, fixed-size arrays with their declared element count); afterwards the fields
// are copied back into the record and the block is freed.
#pragma once
#include <cstring>
#include <span>

#include "logic/calls.h"

namespace logic {

// A record value holds its fields in declared order: a 4-byte word for a number, an
// owned array block pointer for an array field.
struct RecordField {
    enum Kind { Word, ByteArray } kind;
    i32 declared_count;  // elements of a byte array field
};

class NativeRecord {
public:
    NativeRecord(void* record, std::span<const RecordField> fields) : record_(record), fields_(fields) {
        i32 size = 0;
        for (const RecordField& f : fields_) size += f.kind == RecordField::Word ? 4 : f.declared_count;
        block_ = static_cast<unsigned char*>(allocate(size));
        std::memset(block_, 0, static_cast<size_t>(size));
        auto* slot = static_cast<u32*>(record_);
        unsigned char* at = block_;
        for (const RecordField& f : fields_) {
            if (f.kind == RecordField::Word) {
                std::memcpy(at, slot, 4);
                at += 4;
            } else {
                const auto* array = reinterpret_cast<const rt::ArrayHeader*>(*slot);
                const i32 n = array_bytes(array);
                std::memcpy(at, array_data(array), static_cast<size_t>(n < f.declared_count ? n : f.declared_count));
                at += f.declared_count;
            }
            ++slot;
        }
    }
    NativeRecord(const NativeRecord&) = delete;
    NativeRecord& operator=(const NativeRecord&) = delete;

    // Copies the fields back and frees the block.
    ~NativeRecord() {
        auto* slot = static_cast<u32*>(record_);
        const unsigned char* at = block_;
        for (const RecordField& f : fields_) {
            if (f.kind == RecordField::Word) {
                std::memcpy(slot, at, 4);
                at += 4;
            } else {
                helper(rt::kHelperUnshareArray, 1, reinterpret_cast<u32>(slot));
                auto* array = reinterpret_cast<rt::ArrayHeader*>(*slot);
                const i32 n = array_bytes(array);
                std::memcpy(array_data(array), at, static_cast<size_t>(n < f.declared_count ? n : f.declared_count));
                at += f.declared_count;
            }
            ++slot;
        }
        release(block_);
    }

    u32 address() const { return reinterpret_cast<u32>(block_); }

private:
    static i32 array_bytes(const rt::ArrayHeader* a) {
        if (a->dimensions <= 0) return 0;
        i32 n = 1;
        for (i32 d = 0; d < a->dimensions; ++d) n *= a->sizes[d];
        return n;
    }
    static unsigned char* array_data(const rt::ArrayHeader* a) {
        return const_cast<unsigned char*>(reinterpret_cast<const unsigned char*>(a)) + 4 + 4 * a->dimensions;
    }

    void* record_;
    std::span<const RecordField> fields_;
    unsigned char* block_;
};

}  // namespace logic
