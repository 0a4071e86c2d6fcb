// JPEG through libjpeg: grey and YCbCr/RGB data come out as BGRA directly; CMYK (as
// Adobe writes it, inverted) is converted here. libjpeg's default error handler ends the
// process, so ours jumps back to the step that called in; those steps are plain
// functions whose frames hold nothing to destroy.
#include <windows.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "forms/components/picture_decoders.h"

namespace forms::picture_detail {
namespace {

// Progressive data can ask for any number of passes over the picture; real pictures
// use about ten.
constexpr int kMaxScans = 1000;
constexpr long kMaxMemory = 256L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

struct State {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    jpeg_source_mgr source;
    jpeg_progress_mgr progress;
};

void on_error_exit(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }
// Warnings about damaged entropy data still leave a picture of the declared size.
void on_emit_message(j_common_ptr, int) {}
void on_output_message(j_common_ptr) {}

void on_progress(j_common_ptr cinfo) {
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        cinfo->err->error_exit(cinfo);
}

// The whole image data is the buffer: running out of it means the data was cut short,
// which is an error here (libjpeg's memory source would pad it with an end marker).
void init_source(j_decompress_ptr) {}
boolean fill_input_buffer(j_decompress_ptr cinfo) {
    ERREXIT(cinfo, JERR_INPUT_EOF);
    return FALSE;
}
void skip_input_data(j_decompress_ptr cinfo, long count) {
    if (count <= 0) return;
    jpeg_source_mgr* source = cinfo->src;
    if (static_cast<unsigned long>(count) > source->bytes_in_buffer) ERREXIT(cinfo, JERR_INPUT_EOF);
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<size_t>(count);
}
void term_source(j_decompress_ptr) {}

bool read_header(State* s, const std::uint8_t* data, u32 length, int* width, int* height) {
    if (setjmp(s->errors.jump)) return false;
    jpeg_create_decompress(&s->cinfo);
    s->source.next_input_byte = data;
    s->source.bytes_in_buffer = length;
    s->source.init_source = init_source;
    s->source.fill_input_buffer = fill_input_buffer;
    s->source.skip_input_data = skip_input_data;
    s->source.resync_to_restart = jpeg_resync_to_restart;
    s->source.term_source = term_source;
    s->cinfo.src = &s->source;
    s->cinfo.mem->max_memory_to_use = kMaxMemory;
    s->progress.progress_monitor = on_progress;
    s->cinfo.progress = &s->progress;

    jpeg_read_header(&s->cinfo, TRUE);
    const JDIMENSION w = s->cinfo.image_width;
    const JDIMENSION h = s->cinfo.image_height;
    if (w == 0 || h == 0 || w > static_cast<JDIMENSION>(Picture::kMaxSide) ||
        h > static_cast<JDIMENSION>(Picture::kMaxSide) || static_cast<std::uint64_t>(w) * h > Picture::kMaxPixels)
        return false;
    const bool cmyk = s->cinfo.jpeg_color_space == JCS_CMYK || s->cinfo.jpeg_color_space == JCS_YCCK;
    s->cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&s->cinfo);
    if (s->cinfo.output_width != w || s->cinfo.output_height != h || s->cinfo.output_components != 4) return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

// CMYK as four bytes a pixel, in place to opaque BGRA. Adobe's files store the inks
// inverted, which is what nearly every CMYK JPEG is.
void cmyk_row_to_bgra(std::uint8_t* row, int width, bool inverted) {
    for (int x = 0; x < width; ++x) {
        std::uint8_t* p = row + 4 * x;
        unsigned c = p[0], m = p[1], y = p[2], k = p[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        p[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
        p[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
        p[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
        p[3] = 0xFF;
    }
}

bool read_pixels(State* s, std::uint32_t* pixels, int width) {
    if (setjmp(s->errors.jump)) return false;
    const bool cmyk = s->cinfo.out_color_space == JCS_CMYK;
    while (s->cinfo.output_scanline < s->cinfo.output_height) {
        std::uint8_t* row_bytes = reinterpret_cast<std::uint8_t*>(pixels + static_cast<size_t>(s->cinfo.output_scanline) * width);
        JSAMPROW row = row_bytes;
        if (jpeg_read_scanlines(&s->cinfo, &row, 1) != 1) return false;
        if (cmyk) cmyk_row_to_bgra(row_bytes, width, s->cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&s->cinfo);
    return true;
}

// Owns the libjpeg state: destroyed on every path, also after an error jumped out.
class Decompressor {
public:
    Decompressor() {
        std::memset(&state_, 0, sizeof state_);
        state_.cinfo.err = jpeg_std_error(&state_.errors.manager);
        state_.errors.manager.error_exit = on_error_exit;
        state_.errors.manager.emit_message = on_emit_message;
        state_.errors.manager.output_message = on_output_message;
    }
    ~Decompressor() { jpeg_destroy_decompress(&state_.cinfo); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
    State* state() { return &state_; }

private:
    State state_;
};

}  // namespace

Picture decode_jpeg(const std::uint8_t* data, u32 length) {
    Decompressor decompressor;
    int width = 0;
    int height = 0;
    if (!read_header(decompressor.state(), data, length, &width, &height)) return {};
    Picture picture = Picture::blank(width, height);
    if (!picture) return {};
    if (!read_pixels(decompressor.state(), picture.pixels(), width)) return {};
    return picture;
}

}  // namespace forms::picture_detail
