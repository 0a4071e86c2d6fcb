// Damaged image data: cut short, bytes flipped, absurd declared sizes, noise behind a
// valid signature. None of it may crash or leak; what cannot be decoded is no picture.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <random>

#include "forms/components/picture.h"
#include "tests/pictures/picture_samples.h"

namespace {

using forms::Picture;
using namespace picture_samples;

Picture decode(const Bytes& bytes) { return forms::decode_picture(bytes.data(), static_cast<forms::u32>(bytes.size())); }

// Decodes from a block of exactly `length` bytes, so reading past it would read past
// the allocation rather than into the rest of the sample.
Picture decode_prefix(const Bytes& bytes, std::size_t length) {
    std::vector<std::uint8_t> exact(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    return forms::decode_picture(exact.empty() ? nullptr : exact.data(), static_cast<forms::u32>(exact.size()));
}

// A picture that did come out must be whole: in range and every pixel readable.
void expect_sound(const Picture& p) {
    if (!p) return;
    ASSERT_GT(p.width(), 0);
    ASSERT_GT(p.height(), 0);
    ASSERT_LE(static_cast<std::uint64_t>(p.width()) * p.height(), Picture::kMaxPixels);
    std::uint32_t sum = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) sum += p.pixel(x, y);
    (void)sum;
}

TEST(PictureDamageTest, EmptyAndTinyInputs) {
    EXPECT_FALSE(forms::decode_picture(nullptr, 0));
    EXPECT_FALSE(forms::decode_picture(nullptr, 1000));
    const std::uint8_t one = 0;
    EXPECT_FALSE(forms::decode_picture(&one, 0));
    for (const Bytes& start : {Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, Bytes{0xFF, 0xD8, 0xFF},
                               Bytes{'B', 'M'}, Bytes{0, 0, 1, 0}, Bytes{0, 0, 2, 0}})
        EXPECT_FALSE(decode(start)) << int(start[0]);
}

TEST(PictureDamageTest, EveryTruncationIsNoPicture) {
    for (const NamedSample& sample : all_samples()) {
        SCOPED_TRACE(sample.name);
        ASSERT_TRUE(decode(sample.bytes));
        for (std::size_t length = 0; length < sample.bytes.size(); ++length)
            ASSERT_FALSE(decode_prefix(sample.bytes, length)) << "cut to " << length << " of " << sample.bytes.size();
    }
}

TEST(PictureDamageTest, FlippedBytes) {
    for (const NamedSample& sample : all_samples()) {
        SCOPED_TRACE(sample.name);
        const bool checksummed = sample.name[0] == 'p';  // every PNG byte is under a checksum or a length
        for (std::size_t at = 0; at < sample.bytes.size(); ++at) {
            for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
                Bytes damaged = sample.bytes;
                damaged[at] ^= flip;
                const Picture p = decode(damaged);
                if (checksummed) {
                    ASSERT_FALSE(p) << "byte " << at << " ^ " << int(flip);
                }
                expect_sound(p);
            }
        }
    }
}

TEST(PictureDamageTest, HugeDeclaredSizes) {
    // PNG: a side beyond the limit; sides within it but too many pixels; both 2^31 - 1.
    EXPECT_FALSE(decode(png_with_declared_size(100000, 100000)));
    EXPECT_FALSE(decode(png_with_declared_size(16384, 16384)));
    EXPECT_FALSE(decode(png_with_declared_size(0x7FFFFFFF, 0x7FFFFFFF)));
    EXPECT_FALSE(decode(png_with_declared_size(0, 1)));
    // The same file with a sane size is still refused: its pixels are missing.
    EXPECT_FALSE(decode(png_with_declared_size(1, 1000)));

    // JPEG: the frame header's height and width rewritten to 65500.
    Bytes jpeg = sample_jpeg_grey();
    bool patched = false;
    for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = 0xFF, jpeg[i + 6] = 0xDC, jpeg[i + 7] = 0xFF, jpeg[i + 8] = 0xDC;
            patched = true;
            break;
        }
    }
    ASSERT_TRUE(patched);
    EXPECT_FALSE(decode(jpeg));

    // BMP header fields, one at a time.
    struct Field {
        const char* what;
        std::size_t offset;
        std::uint32_t value;
    };
    const Field fields[] = {
        {"width 2^31 - 1", 18, 0x7FFFFFFF},   {"width negative", 18, 0xFFFFFFFD},
        {"height -2^31", 22, 0x80000000},     {"height 0", 22, 0},
        {"width 20000", 18, 20000},           {"pixel offset past the end", 10, 0xFFFFFF00},
        {"pixel offset inside the header", 10, 20},
        {"header size huge", 14, 0xFFFFFFF0}, {"header size unknown", 14, 41},
        {"compression PNG", 30, BI_PNG},      {"compression unknown", 30, 77},
    };
    for (const Field& f : fields) {
        Bytes bmp = sample_bmp_24_bottom_up();
        put_u32(bmp, f.offset, f.value);
        EXPECT_FALSE(decode(bmp)) << f.what;
    }
    // A palette count far beyond the file is limited to what the depth allows, and
    // that palette must still fit.
    Bytes palette = sample_bmp_8_top_down();
    put_u32(palette, 46, 0xFFFFFFFF);
    EXPECT_FALSE(decode(palette));
    // Run-length data claiming more bytes than the file has.
    Bytes rle = sample_bmp_rle8();
    put_u32(rle, 34, 0x10000);
    EXPECT_FALSE(decode(rle));

    // Icon: an entry pointing or reaching past the end, and a directory of 65535 entries.
    Bytes icon = sample_icon_32();
    put_u32(icon, 18, 0x7FFFFFF0);
    EXPECT_FALSE(decode(icon));
    icon = sample_icon_32();
    put_u32(icon, 14, static_cast<std::uint32_t>(icon.size()));
    EXPECT_FALSE(decode(icon));
    icon = sample_icon_32();
    icon[4] = 0xFF, icon[5] = 0xFF;
    EXPECT_FALSE(decode(icon));
}

// Progressive data may ask for any number of passes over the picture; past a thousand
// it is taken for damaged (or hostile) data rather than decoded for minutes.
TEST(PictureDamageTest, EndlessProgressiveScansAreRefused) {
    const Bytes jpeg = sample_jpeg_colour(true);
    // The last scan, from its start-of-scan marker up to the end marker, repeated.
    std::size_t last_scan = 0;
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) last_scan = i;
    ASSERT_GT(last_scan, 0u);
    const Bytes scan(jpeg.begin() + static_cast<std::ptrdiff_t>(last_scan), jpeg.end() - 2);
    const auto with_repeats = [&](int repeats) {
        Bytes out(jpeg.begin(), jpeg.end() - 2);
        for (int i = 0; i < repeats; ++i) out.insert(out.end(), scan.begin(), scan.end());
        out.insert(out.end(), {0xFF, 0xD9});
        return out;
    };
    EXPECT_TRUE(decode(with_repeats(100)));  // repeated refinement is odd but decodable
    EXPECT_FALSE(decode(with_repeats(1100)));
}

TEST(PictureDamageTest, NoiseBehindEverySignature) {
    std::mt19937 random(20240605);
    const Bytes starts[] = {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, {0xFF, 0xD8, 0xFF}, {'B', 'M'}, {0, 0, 1, 0}, {0, 0, 2, 0}};
    for (const Bytes& start : starts) {
        for (int round = 0; round < 300; ++round) {
            Bytes data = start;
            const std::size_t extra = random() % 400;
            for (std::size_t i = 0; i < extra; ++i) data.push_back(static_cast<std::uint8_t>(random()));
            const Picture p = decode(data);
            if (start[0] == 0x89 || start[0] == 0xFF) {
                ASSERT_FALSE(p) << "round " << round;  // PNG, JPEG: noise is never a picture
            }
            expect_sound(p);
        }
    }
    // Noise behind a real header: the samples' first half kept, the rest random.
    for (const NamedSample& sample : all_samples()) {
        SCOPED_TRACE(sample.name);
        for (int round = 0; round < 50; ++round) {
            Bytes data = sample.bytes;
            for (std::size_t i = data.size() / 2; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(random());
            const Picture p = decode(data);
            if (sample.name[0] == 'p') {
                ASSERT_FALSE(p) << "round " << round;
            }
            expect_sound(p);
        }
    }
}

// Damaged variants take the error paths: cut at two thirds, and one byte flipped in the
// middle.
std::vector<Bytes> damaged_samples(const std::vector<NamedSample>& samples) {
    std::vector<Bytes> damaged;
    for (const NamedSample& s : samples) {
        damaged.emplace_back(s.bytes.begin(), s.bytes.begin() + static_cast<std::ptrdiff_t>(s.bytes.size() * 2 / 3));
        Bytes flipped = s.bytes;
        flipped[flipped.size() / 2] ^= 0xFF;
        damaged.push_back(flipped);
    }
    return damaged;
}

// Bytes in use in all the process's heaps (the C runtime's included, where libpng,
// libjpeg and zlib allocate).
std::size_t heap_bytes_in_use() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    std::size_t used = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return used;
}

// The libraries' state is freed on every path, the error paths included: after a
// warm-up, many more rounds leave no more heap in use.
TEST(PictureDamageTest, NoMemoryOutlivesADecode) {
    const std::vector<NamedSample> samples = all_samples();
    const std::vector<Bytes> damaged = damaged_samples(samples);
    const auto round = [&] {
        for (const NamedSample& s : samples) ASSERT_TRUE(decode(s.bytes)) << s.name;
        for (const Bytes& d : damaged) expect_sound(decode(d));
    };
    for (int i = 0; i < 20; ++i) round();
    const std::size_t before = heap_bytes_in_use();
    ASSERT_GT(before, 0u) << "the heaps cannot be walked";
    for (int i = 0; i < 200; ++i) round();
    const std::size_t after = heap_bytes_in_use();
    // A leaked libjpeg or libpng state (kilobytes each) every round would be far above this.
    EXPECT_LT(after, before + 64 * 1024) << "grew from " << before << " to " << after << " bytes";
}

// Leaks show as exhaustion: with the process's GDI handles all but used up, a decode
// that left even one object behind would, a few rounds later, find none to make.
class NearlyFullGdi {
public:
    explicit NearlyFullGdi(int headroom) {
        for (;;) {
            HBITMAP b = CreateBitmap(1, 1, 1, 1, nullptr);
            if (!b) break;
            held_.push_back(b);
        }
        for (int i = 0; i < headroom && !held_.empty(); ++i) {
            DeleteObject(held_.back());
            held_.pop_back();
        }
    }
    ~NearlyFullGdi() {
        for (HBITMAP b : held_) DeleteObject(b);
    }
    NearlyFullGdi(const NearlyFullGdi&) = delete;
    NearlyFullGdi& operator=(const NearlyFullGdi&) = delete;
    std::size_t held() const { return held_.size(); }

private:
    std::vector<HBITMAP> held_;
};

TEST(PictureDamageTest, NoGdiObjectOutlivesItsPicture) {
    const std::vector<NamedSample> samples = all_samples();
    const std::vector<Bytes> damaged = damaged_samples(samples);
    constexpr int kHeadroom = 40;  // more than one decode needs at its peak
    constexpr int kRounds = 3 * kHeadroom;
    NearlyFullGdi full(kHeadroom);
    ASSERT_GT(full.held(), 1000u) << "the platform refused GDI objects from the start";
    // Proof that the limit is real: what is left can be used up.
    {
        NearlyFullGdi rest(0);
        ASSERT_EQ(CreateBitmap(1, 1, 1, 1, nullptr), nullptr);
    }
    for (int round = 0; round < kRounds; ++round) {
        for (const NamedSample& s : samples) {
            const Picture p = decode(s.bytes);
            ASSERT_TRUE(p) << s.name << " in round " << round;
            const Picture flat = p.over(RGB(1, 2, 3));
            ASSERT_TRUE(flat) << s.name << " in round " << round;
        }
        for (const Bytes& d : damaged) expect_sound(decode(d));
    }
}

}  // namespace
