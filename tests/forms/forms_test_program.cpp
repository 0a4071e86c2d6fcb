#include "tests/forms/forms_test_program.h"

#include <cstring>

namespace forms_test {

void start_forms_runtime() {
    static const rt::SupportLibrary core = {"核心库", nullptr, 0, nullptr, test_library_type_count(),
                                            test_library_types()};
    start_window_program({&core});
}

std::vector<forms::EventBinding> all_window_events() {
    std::vector<forms::EventBinding> events;
    for (i32 e = kFirstEvent; e <= kLastEvent; ++e)
        if (e >= 0 || e == forms::kEventGotFocus || e == forms::kEventLostFocus) events.push_back(bind(e));
    return events;
}

Part window_part(const forms::WindowProperties& properties, i32 left, i32 top, i32 width, i32 height) {
    return window_record(properties, left, top, width, height, all_window_events());
}

Part button(u32 id, const std::string& caption, i32 left, i32 top) {
    Part p;
    p.id = id;
    p.type_id = kTestButton;
    p.name = "按钮" + caption;
    p.left = left;
    p.top = top;
    TestValues v;
    v.caption = caption;
    p.data = test_block(v);
    p.events = {bind(0), bind(forms::kEventGotFocus), bind(forms::kEventLostFocus)};
    return p;
}

namespace {

// A square 16-colour image's header: its height counts the colour rows and the mask's.
BITMAPINFOHEADER image_header(int side) {
    BITMAPINFOHEADER bi = {};
    bi.biSize = sizeof bi;
    bi.biWidth = side;
    bi.biHeight = side * 2;
    bi.biPlanes = 1;
    bi.biBitCount = 4;
    return bi;
}

}  // namespace

forms::ByteBlock image_file(bool cursor) {
    const int w = 16, h = 16;
    const int xor_bytes = w * h / 2, and_bytes = h * 4;  // 4 bits per pixel; mask rows padded to 32 bits
    const DWORD image = sizeof(BITMAPINFOHEADER) + 16 * 4 + xor_bytes + and_bytes;
    forms::ByteBlock f(6 + 16 + image, 0);
    const WORD header[3] = {0, static_cast<WORD>(cursor ? 2 : 1), 1};
    std::memcpy(f.data(), header, 6);
    f[6] = w;
    f[7] = h;
    f[8] = 16;
    const WORD planes_or_hot_spot[2] = {static_cast<WORD>(cursor ? 3 : 1), static_cast<WORD>(cursor ? 5 : 4)};
    std::memcpy(&f[10], planes_or_hot_spot, 4);
    const DWORD size_offset[2] = {image, 22};
    std::memcpy(&f[14], size_offset, 8);
    const BITMAPINFOHEADER bi = image_header(w);
    std::memcpy(&f[22], &bi, sizeof bi);
    for (int i = 0; i < xor_bytes; ++i) f[22 + sizeof bi + 64 + i] = 0x12;
    return f;
}

forms::ByteBlock icon_file(const std::vector<int>& sides) {
    const size_t n = sides.size();
    forms::ByteBlock f(6 + 16 * n, 0);
    const WORD header[3] = {0, 1, static_cast<WORD>(n)};
    std::memcpy(f.data(), header, 6);
    for (size_t i = 0; i < n; ++i) {
        const int side = sides[i];
        const DWORD xor_bytes = side * side / 2, and_bytes = side * ((side + 31) / 32 * 4);
        const DWORD image = sizeof(BITMAPINFOHEADER) + 16 * 4 + xor_bytes + and_bytes;
        unsigned char* entry = &f[6 + 16 * i];
        entry[0] = entry[1] = static_cast<unsigned char>(side);
        entry[2] = 16;
        const WORD planes_bits[2] = {1, 4};
        std::memcpy(entry + 4, planes_bits, 4);
        const DWORD size_offset[2] = {image, static_cast<DWORD>(f.size())};
        std::memcpy(entry + 8, size_offset, 8);
        const BITMAPINFOHEADER bi = image_header(side);
        const size_t at = f.size();
        f.resize(at + image, 0x12);
        std::memcpy(&f[at], &bi, sizeof bi);
        std::memset(&f[at + sizeof bi + 64 + xor_bytes], 0, and_bytes);
    }
    return f;
}

void FormsTest::SetUp() {
    start_forms_runtime();
    WindowTest::SetUp();
    test_type_log().clear();
}

}  // namespace forms_test
