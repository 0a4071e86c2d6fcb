// Real image data for the picture tests, made here: PNG and JPEG through the libraries'
// encoders, BMP, icon and cursor files byte by byte.
#pragma once
#include <cstdint>
#include <vector>

namespace picture_samples {

using Bytes = std::vector<std::uint8_t>;

// Little-endian writer for hand-made files.
struct Writer {
    Bytes bytes;
    Writer& u8(unsigned v);
    Writer& u16(unsigned v);
    Writer& u32(std::uint32_t v);
    Writer& append(const Bytes& more);
};
void put_u32(Bytes& bytes, std::size_t offset, std::uint32_t value);

struct PngImage {
    int width = 0;
    int height = 0;
    int colour_type = 0;  // PNG_COLOR_TYPE_*
    int bit_depth = 8;
    bool interlaced = false;
    std::vector<std::uint8_t> palette = {};        // r, g, b triples
    std::vector<std::uint8_t> palette_alpha = {};  // tRNS for palettes
    int grey_key = -1;                             // tRNS for grey: this value is transparent
    std::vector<Bytes> rows = {};                  // packed as the file stores them
};
Bytes encode_png(const PngImage& image);
// A file with only the header claiming this size, one small data chunk and the end;
// every checksum right.
Bytes png_with_declared_size(std::uint32_t width, std::uint32_t height);

struct JpegImage {
    int width = 0;
    int height = 0;
    int components = 3;  // 1 grey, 3 RGB, 4 CMYK as Adobe stores it (inverted)
    int quality = 95;
    bool progressive = false;
    Bytes samples = {};  // interleaved, row by row
};
Bytes encode_jpeg(const JpegImage& image);

// 0xAARRGGBB with the colour premultiplied, rounded as the decoder rounds.
std::uint32_t premultiplied(unsigned r, unsigned g, unsigned b, unsigned a);
constexpr std::uint32_t opaque(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// The sample files the damage tests start from, each a valid picture.
struct NamedSample {
    const char* name;
    Bytes bytes;
};
std::vector<NamedSample> all_samples();

Bytes sample_png_rgba();        // 3 x 2, alpha 255, 128, 0, 255, 200, 64
Bytes sample_png_palette();     // 5 x 2, 2-bit palette with transparency
Bytes sample_png_interlaced();  // 9 x 9 RGB, Adam7
Bytes sample_jpeg_grey();       // 16 x 16, four flat grey blocks
Bytes sample_jpeg_colour(bool progressive);  // 32 x 32 quadrants red, green, blue, yellow
Bytes sample_jpeg_cmyk();       // 16 x 16, cyan left half, black-ink right half
Bytes sample_bmp_24_bottom_up();  // 3 x 2
Bytes sample_bmp_8_top_down();    // 3 x 2, three-colour palette
Bytes sample_bmp_32(bool with_alpha);  // 2 x 2
Bytes sample_bmp_core_1bit();     // 10 x 2, OS/2 core header
Bytes sample_bmp_rle8();          // 4 x 2
Bytes sample_bmp_bitfields_565(); // 2 x 1
Bytes sample_icon_32();           // 4 x 4 with an alpha channel
Bytes sample_icon_24_masked();    // 4 x 4, the AND mask hides the left column
Bytes sample_cursor();            // 4 x 4, hot spot (1, 2)

}  // namespace picture_samples
