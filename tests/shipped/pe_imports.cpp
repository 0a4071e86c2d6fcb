#include "tests/shipped/pe_imports.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace shipped {
namespace {

constexpr uint32_t kImportDirectory = 1;
constexpr uint32_t kLoadConfigurationDirectory = 10;
constexpr uint32_t kDelayImportDirectory = 13;
constexpr uint32_t kImportDescriptorSize = 20;
constexpr uint32_t kDelayDescriptorSize = 32;

// The file's bytes with range-checked reads: a read past the end sets `bad` and gives 0.
class Image {
public:
    explicit Image(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

    uint32_t u16(uint64_t at) { return fits(at, 2) ? bytes_[at] | bytes_[at + 1] << 8 : 0; }
    uint32_t u32(uint64_t at) { return fits(at, 4) ? u16(at) | u16(at + 2) << 16 : 0; }
    std::string text(uint64_t at) {
        std::string s;
        while (fits(at, 1) && bytes_[at] != 0) s += static_cast<char>(bytes_[at++]);
        if (!fits(at, 1)) bad = true;
        return s;
    }

    bool bad = false;

private:
    bool fits(uint64_t at, uint64_t n) {
        if (at + n <= bytes_.size()) return true;
        bad = true;
        return false;
    }
    std::vector<unsigned char> bytes_;
};

struct Sections {
    uint64_t table = 0;
    uint32_t count = 0;
};

// The file offset of a relative virtual address, through the section that holds it.
uint64_t file_offset(Image& image, const Sections& sections, uint32_t rva) {
    for (uint32_t i = 0; i < sections.count; ++i) {
        const uint64_t s = sections.table + 40ull * i;
        const uint32_t virtual_size = image.u32(s + 8), address = image.u32(s + 12);
        const uint32_t raw_size = image.u32(s + 16), raw_at = image.u32(s + 20);
        const uint32_t size = virtual_size > raw_size ? virtual_size : raw_size;
        if (rva >= address && rva < address + size) return uint64_t{raw_at} + (rva - address);
    }
    image.bad = true;
    return 0;
}

// The headers of a 32-bit program image.
struct Headers {
    bool readable = false;
    Sections sections;
    uint32_t image_base = 0;
    uint64_t optional = 0;
    uint32_t directory_count = 0;

    uint32_t directory(Image& image, uint32_t index) const {
        return index < directory_count ? image.u32(optional + 96 + 8 * index) : 0;
    }
    uint32_t directory_size(Image& image, uint32_t index) const {
        return index < directory_count ? image.u32(optional + 100 + 8 * index) : 0;
    }
};

Headers read_headers(Image& image) {
    Headers h;
    if (image.u16(0) != 0x5A4D) return h;  // "MZ"
    const uint64_t nt = image.u32(0x3C);
    if (image.u32(nt) != 0x00004550) return h;  // "PE\0\0"
    h.optional = nt + 24;
    if (image.u16(h.optional) != 0x10B) return h;  // a 32-bit image
    h.sections = {h.optional + image.u16(nt + 20), image.u16(nt + 6)};
    h.image_base = image.u32(h.optional + 28);
    h.directory_count = image.u32(h.optional + 92);
    h.readable = !image.bad;
    return h;
}

Image read_image(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Image(std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {}));
}

}  // namespace

LoadConfiguration read_load_configuration(const std::string& path) {
    Image image = read_image(path);
    LoadConfiguration configuration;
    const Headers headers = read_headers(image);
    const uint32_t rva = headers.directory(image, kLoadConfigurationDirectory);
    if (!headers.readable || rva == 0) return configuration;
    const uint64_t at = file_offset(image, headers.sections, rva);
    configuration.directory_size = headers.directory_size(image, kLoadConfigurationDirectory);
    configuration.size = image.u32(at);
    configuration.dependent_load_flags = image.u16(at + 54);
    configuration.safe_handler_table = image.u32(at + 64);
    configuration.safe_handler_count = image.u32(at + 68);
    configuration.present = !image.bad;
    return configuration;
}

ImportList read_imports(const std::string& path) {
    Image image = read_image(path);
    ImportList list;
    const Headers headers = read_headers(image);
    if (!headers.readable) return list;
    const Sections& sections = headers.sections;
    const uint32_t image_base = headers.image_base;
    auto directory = [&](uint32_t index) { return headers.directory(image, index); };

    if (const uint32_t rva = directory(kImportDirectory))
        for (uint64_t d = file_offset(image, sections, rva); !image.bad; d += kImportDescriptorSize) {
            const uint32_t name = image.u32(d + 12);
            if (name == 0) break;
            list.libraries.push_back(image.text(file_offset(image, sections, name)));
        }
    if (const uint32_t rva = directory(kDelayImportDirectory))
        for (uint64_t d = file_offset(image, sections, rva); !image.bad; d += kDelayDescriptorSize) {
            uint32_t name = image.u32(d + 4);
            if (name == 0) break;
            if (!(image.u32(d) & 1)) name -= image_base;  // the old form holds addresses
            list.libraries.push_back(image.text(file_offset(image, sections, name)));
        }
    list.readable = !image.bad;
    return list;
}

}  // namespace shipped
