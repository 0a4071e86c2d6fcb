// Seeded random damage to a window template segment, shared by the reader's fuzz
// test and the one that loads what the reader accepts.
#pragma once
#include <algorithm>
#include <random>

#include "forms/template_archive.h"
#include "forms/template_model.h"

namespace template_test {

using forms::ByteBlock;
using forms::u32;

// Words that make lengths and counts interesting: zero, off by one, huge, negative.
inline u32 interesting_word(std::mt19937& rng, u32 old) {
    const u32 table[] = {0, 1, 3, 4, 8, 0x7F, 0x80, 0xFF, 0x100, 0xFFFF, 0x7FFFFFFF, 0x80000000,
                         0xFFFFFFFF, 0xFFFFFFFE, old + 1, old - 1, old + 4, old - 4, old * 2, old / 2};
    return table[rng() % (sizeof(table) / sizeof(table[0]))];
}

inline ByteBlock corrupt(std::mt19937& rng, ByteBlock data) {
    int changes = 1 + rng() % 4;
    for (int c = 0; c < changes && !data.empty(); ++c) {
        size_t at = rng() % data.size();
        switch (rng() % 6) {
        case 0:  // a flipped bit
            data[at] ^= std::uint8_t(1u << (rng() % 8));
            break;
        case 1:  // a random byte
            data[at] = std::uint8_t(rng());
            break;
        case 2:  // an aligned word, where most lengths and counts sit, set to an edge value
            at &= ~size_t(3);
            if (at + 4 <= data.size()) forms::store_u32(&data[at], interesting_word(rng, forms::load_u32(&data[at])));
            break;
        case 3:  // bytes removed
            data.erase(data.begin() + at, data.begin() + std::min(data.size(), at + 1 + rng() % 8));
            break;
        case 4:  // bytes inserted
            data.insert(data.begin() + at, 1 + rng() % 8, std::uint8_t(rng()));
            break;
        case 5:  // the tail cut off
            data.resize(at);
            break;
        }
    }
    return data;
}

}  // namespace template_test
