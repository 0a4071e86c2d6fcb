#include "tests/pictures/picture_samples.h"

#include <windows.h>

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace picture_samples {

Writer& Writer::u8(unsigned v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    return *this;
}
Writer& Writer::u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
Writer& Writer::u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
Writer& Writer::append(const Bytes& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
    return *this;
}

void put_u32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t premultiplied(unsigned r, unsigned g, unsigned b, unsigned a) {
    auto scale = [a](unsigned c) { return (c * a + 127) / 255; };
    return (a << 24) | (scale(r) << 16) | (scale(g) << 8) | scale(b);
}

// ---- PNG -------------------------------------------------------------------------

namespace {

void png_append(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}
void png_flush(png_structp) {}

// Plain frame for libpng's longjmp: nothing here needs destroying.
bool png_write_all(png_structp png, png_infop info, const PngImage* image, png_bytepp rows, png_colorp palette,
                   png_bytep trns, int trns_count, png_color_16p trns_grey) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, image->width, image->height, image->bit_depth, image->colour_type,
                 image->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (palette) png_set_PLTE(png, info, palette, static_cast<int>(image->palette.size() / 3));
    if (trns || trns_grey) png_set_tRNS(png, info, trns, trns_count, trns_grey);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

}  // namespace

Bytes encode_png(const PngImage& image) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) throw std::runtime_error("libpng write state");
    png_set_write_fn(png, &out, png_append, png_flush);

    std::vector<png_bytep> rows;
    for (const Bytes& row : image.rows) rows.push_back(const_cast<png_bytep>(row.data()));
    std::vector<png_color> palette;
    for (std::size_t i = 0; i + 2 < image.palette.size(); i += 3)
        palette.push_back({image.palette[i], image.palette[i + 1], image.palette[i + 2]});
    Bytes trns = image.palette_alpha;
    png_color_16 grey_key{};
    grey_key.gray = static_cast<png_uint_16>(image.grey_key);

    const bool ok = png_write_all(png, info, &image, rows.data(), palette.empty() ? nullptr : palette.data(),
                                  trns.empty() ? nullptr : trns.data(), static_cast<int>(trns.size()),
                                  image.grey_key >= 0 ? &grey_key : nullptr);
    png_destroy_write_struct(&png, &info);
    if (!ok) throw std::runtime_error("libpng could not write the sample");
    return out;
}

namespace {

void put_chunk(Writer& w, const char* type, const Bytes& data) {
    const auto big_endian = [&w](std::uint32_t v) {
        w.u8(v >> 24).u8((v >> 16) & 0xFF).u8((v >> 8) & 0xFF).u8(v & 0xFF);
    };
    big_endian(static_cast<std::uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    w.append(typed);
    big_endian(static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

}  // namespace

Bytes png_with_declared_size(std::uint32_t width, std::uint32_t height) {
    Writer w;
    w.append({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
    Bytes header;
    for (std::uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) header.push_back(static_cast<std::uint8_t>(v >> shift));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace
    put_chunk(w, "IHDR", header);
    // One filtered row of one pixel, compressed: far too little for the declared size.
    Bytes raw = {0, 1, 2, 3, 4};
    Bytes packed(compressBound(static_cast<uLong>(raw.size())));
    uLongf packed_size = static_cast<uLongf>(packed.size());
    compress(packed.data(), &packed_size, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(packed_size);
    put_chunk(w, "IDAT", packed);
    put_chunk(w, "IEND", {});
    return w.bytes;
}

// ---- JPEG ------------------------------------------------------------------------

namespace {

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};
void jpeg_fail(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1); }

bool jpeg_write_all(jpeg_compress_struct* cinfo, const JpegImage* image, JpegErrors* errors,
                    unsigned char** buffer, unsigned long* size) {
    if (setjmp(errors->jump)) return false;
    jpeg_create_compress(cinfo);
    jpeg_mem_dest(cinfo, buffer, size);
    cinfo->image_width = static_cast<JDIMENSION>(image->width);
    cinfo->image_height = static_cast<JDIMENSION>(image->height);
    cinfo->input_components = image->components;
    cinfo->in_color_space = image->components == 1 ? JCS_GRAYSCALE : image->components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, image->quality, TRUE);
    if (image->progressive) jpeg_simple_progression(cinfo);
    jpeg_start_compress(cinfo, TRUE);
    const std::size_t stride = static_cast<std::size_t>(image->width) * image->components;
    while (cinfo->next_scanline < cinfo->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image->samples.data() + cinfo->next_scanline * stride);
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
    return true;
}

}  // namespace

Bytes encode_jpeg(const JpegImage& image) {
    jpeg_compress_struct cinfo{};
    JpegErrors errors{};
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jpeg_fail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = jpeg_write_all(&cinfo, &image, &errors, &buffer, &size);
    Bytes out;
    if (ok) out.assign(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    if (!ok) throw std::runtime_error("libjpeg could not write the sample");
    return out;
}

// ---- The samples -----------------------------------------------------------------

Bytes sample_png_rgba() {
    PngImage image{.width = 3, .height = 2, .colour_type = PNG_COLOR_TYPE_RGB_ALPHA};
    image.rows = {{255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0},
                  {255, 255, 255, 255, 10, 20, 30, 200, 200, 100, 50, 64}};
    return encode_png(image);
}

Bytes sample_png_palette() {
    PngImage image{.width = 5, .height = 2, .colour_type = PNG_COLOR_TYPE_PALETTE};
    image.bit_depth = 2;
    image.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    image.palette_alpha = {255, 0, 128};  // the fourth entry stays opaque
    // Indices 0 1 2 3 0 and 3 2 1 0 3, four to a byte, first pixel in the high bits.
    image.rows = {{0x1B, 0x00}, {0xE4, 0xC0}};
    return encode_png(image);
}

Bytes sample_png_interlaced() {
    PngImage image{.width = 9, .height = 9, .colour_type = PNG_COLOR_TYPE_RGB};
    image.interlaced = true;
    for (int y = 0; y < 9; ++y) {
        Bytes row;
        for (int x = 0; x < 9; ++x) row.insert(row.end(), {std::uint8_t(x * 25), std::uint8_t(y * 25), std::uint8_t((x + y) * 12)});
        image.rows.push_back(row);
    }
    return encode_png(image);
}

Bytes sample_jpeg_grey() {
    JpegImage image{.width = 16, .height = 16, .components = 1, .quality = 100};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) image.samples.push_back(y < 8 ? (x < 8 ? 20 : 90) : (x < 8 ? 160 : 230));
    return encode_jpeg(image);
}

Bytes sample_jpeg_colour(bool progressive) {
    JpegImage image{.width = 32, .height = 32, .progressive = progressive};
    static const std::uint8_t quadrants[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const auto& c = quadrants[(y < 16 ? 0 : 2) + (x < 16 ? 0 : 1)];
            image.samples.insert(image.samples.end(), c, c + 3);
        }
    return encode_jpeg(image);
}

Bytes sample_jpeg_cmyk() {
    JpegImage image{.width = 16, .height = 16, .components = 4};
    // Stored inverted, as Adobe does: 255 is no ink. Left full cyan, right half black.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.samples.insert(image.samples.end(), x < 8 ? std::initializer_list<std::uint8_t>{0, 255, 255, 255}
                                                            : std::initializer_list<std::uint8_t>{255, 255, 255, 128});
    return encode_jpeg(image);
}

namespace {

// File header and BITMAPINFOHEADER; the caller appends the rest.
Writer bmp_start(std::uint32_t file_size, std::uint32_t bits_offset, std::int32_t width, std::int32_t height,
                 unsigned bit_count, std::uint32_t compression, std::uint32_t image_size, std::uint32_t colours_used) {
    Writer w;
    w.u8('B').u8('M').u32(file_size).u32(0).u32(bits_offset);
    w.u32(40).u32(static_cast<std::uint32_t>(width)).u32(static_cast<std::uint32_t>(height)).u16(1).u16(bit_count);
    w.u32(compression).u32(image_size).u32(2835).u32(2835).u32(colours_used).u32(0);
    return w;
}

}  // namespace

Bytes sample_bmp_24_bottom_up() {
    // Top row red, green, blue; bottom row white, black, (10, 20, 30). Stored bottom row
    // first, blue-green-red, rows padded to 12 bytes.
    Writer w = bmp_start(54 + 24, 54, 3, 2, 24, BI_RGB, 24, 0);
    w.append({255, 255, 255, 0, 0, 0, 30, 20, 10, 0, 0, 0});
    w.append({0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0});
    return w.bytes;
}

Bytes sample_bmp_8_top_down() {
    // Palette (200,0,0), (0,200,0), (0,0,200); rows 0 1 2 and 2 2 1, top row first.
    Writer w = bmp_start(54 + 12 + 8, 54 + 12, 3, -2, 8, BI_RGB, 8, 3);
    w.append({0, 0, 200, 0, 0, 200, 0, 0, 200, 0, 0, 0});
    w.append({0, 1, 2, 0});
    w.append({2, 2, 1, 0});
    return w.bytes;
}

Bytes sample_bmp_32(bool with_alpha) {
    // Top row (255,0,0,255), (0,0,255,128); bottom row (0,255,0,0), (255,255,255,64).
    const std::uint8_t a[4] = {std::uint8_t(with_alpha ? 255 : 0), std::uint8_t(with_alpha ? 128 : 0), 0,
                               std::uint8_t(with_alpha ? 64 : 0)};
    Writer w = bmp_start(54 + 16, 54, 2, 2, 32, BI_RGB, 16, 0);
    w.append({0, 255, 0, a[2], 255, 255, 255, a[3]});
    w.append({0, 0, 255, a[0], 255, 0, 0, a[1]});
    return w.bytes;
}

Bytes sample_bmp_core_1bit() {
    // Palette black and (255,128,0); top row 1010101010, bottom row 1111100000.
    Writer w;
    w.u8('B').u8('M').u32(14 + 12 + 6 + 8).u32(0).u32(14 + 12 + 6);
    w.u32(12).u16(10).u16(2).u16(1).u16(1);
    w.append({0, 0, 0, 0, 128, 255});
    w.append({0xF8, 0x00, 0, 0});
    w.append({0xAA, 0x80, 0, 0});
    return w.bytes;
}

Bytes sample_bmp_rle8() {
    // Palette (10,10,10), (250,0,0), (0,0,250). Bottom row: four of index 1. Top row: one
    // of index 0, then 2 1 0 written absolutely (padded to a word), end of bitmap.
    const Bytes runs = {4, 1, 0, 0, 1, 0, 0, 3, 2, 1, 0, 0, 0, 1};
    Writer w = bmp_start(54 + 12 + static_cast<std::uint32_t>(runs.size()), 54 + 12, 4, 2, 8, BI_RLE8,
                         static_cast<std::uint32_t>(runs.size()), 3);
    w.append({10, 10, 10, 0, 0, 0, 250, 0, 250, 0, 0, 0});
    w.append(runs);
    return w.bytes;
}

Bytes sample_bmp_bitfields_565() {
    // Red then green, 5-6-5 masks after the header.
    Writer w = bmp_start(54 + 12 + 4, 54 + 12, 2, 1, 16, BI_BITFIELDS, 4, 0);
    w.u32(0xF800).u32(0x07E0).u32(0x001F);
    w.u16(0xF800).u16(0x07E0);
    return w.bytes;
}

namespace {

// One-image icon or cursor file around a BITMAPINFOHEADER image of 4 x 4 pixels.
Bytes icon_file(unsigned type, unsigned hot_x, unsigned hot_y, unsigned bit_count, const Bytes& colour_rows,
                const Bytes& mask_rows) {
    Writer image;
    image.u32(40).u32(4).u32(8).u16(1).u16(bit_count).u32(BI_RGB).u32(0).u32(0).u32(0).u32(0).u32(0);
    image.append(colour_rows).append(mask_rows);
    Writer w;
    w.u16(0).u16(type).u16(1);
    w.u8(4).u8(4).u8(0).u8(0).u16(type == 1 ? 1 : hot_x).u16(type == 1 ? bit_count : hot_y);
    w.u32(static_cast<std::uint32_t>(image.bytes.size())).u32(6 + 16);
    w.append(image.bytes);
    return w.bytes;
}

// Colour (200, 100, 50) everywhere; alpha by column 255, 192, 64, 0.
Bytes alpha_rows() {
    Bytes rows;
    for (int y = 0; y < 4; ++y)
        for (unsigned a : {255u, 192u, 64u, 0u}) rows.insert(rows.end(), {50, 100, 200, std::uint8_t(a)});
    return rows;
}

}  // namespace

Bytes sample_icon_32() { return icon_file(1, 0, 0, 32, alpha_rows(), Bytes(16, 0)); }

Bytes sample_icon_24_masked() {
    // Row y (from the top) has colour (y * 60, 128, 255 - y * 60); the AND mask hides
    // column 0, whose colour bits are black as the format wants.
    Bytes colour;
    for (int stored = 0; stored < 4; ++stored) {
        const int y = 3 - stored;
        for (int x = 0; x < 4; ++x) {
            if (x == 0)
                colour.insert(colour.end(), {0, 0, 0});
            else
                colour.insert(colour.end(), {std::uint8_t(255 - y * 60), 128, std::uint8_t(y * 60)});
        }
    }
    Bytes mask;
    for (int row = 0; row < 4; ++row) mask.insert(mask.end(), {0x80, 0, 0, 0});
    return icon_file(1, 0, 0, 24, colour, mask);
}

Bytes sample_cursor() { return icon_file(2, 1, 2, 32, alpha_rows(), Bytes(16, 0)); }

std::vector<NamedSample> all_samples() {
    return {
        {"png rgba", sample_png_rgba()},
        {"png palette", sample_png_palette()},
        {"png interlaced", sample_png_interlaced()},
        {"jpeg grey", sample_jpeg_grey()},
        {"jpeg colour", sample_jpeg_colour(false)},
        {"jpeg progressive", sample_jpeg_colour(true)},
        {"jpeg cmyk", sample_jpeg_cmyk()},
        {"bmp 24", sample_bmp_24_bottom_up()},
        {"bmp 8 top-down", sample_bmp_8_top_down()},
        {"bmp 32 alpha", sample_bmp_32(true)},
        {"bmp core 1-bit", sample_bmp_core_1bit()},
        {"bmp rle8", sample_bmp_rle8()},
        {"bmp 565", sample_bmp_bitfields_565()},
        {"icon 32", sample_icon_32()},
        {"icon 24 masked", sample_icon_24_masked()},
        {"cursor", sample_cursor()},
    };
}

}  // namespace picture_samples
