#include "tuner/directory_listing.h"

#include <cstring>

#include "runtime/logic/calls.h"
#include "tuner/dll_commands.h"

namespace tuner {
namespace {

constexpr rt::u32 kInvalidHandle = 0xFFFFFFFF;
constexpr rt::u32 kInfoBasic = 1;          // no short names: cheaper, and never matched
constexpr rt::u32 kSearchNameMatch = 0;
constexpr rt::u32 kLargeFetch = 2;
constexpr rt::u32 kAttributeDirectory = 0x10;
constexpr rt::u32 kAttributeReparsePoint = 0x400;
constexpr size_t kNameOffset = 44;  // cFileName in the find record

char fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool equal_ignoring_case(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (fold(*a) != fold(*b)) return false;
    return *a == *b;
}

bool ends_with_ignoring_case(const char* name, const char* suffix) {
    const size_t n = std::strlen(name), k = std::strlen(suffix);
    return n >= k && equal_ignoring_case(name + n - k, suffix);
}

DirectoryListing::DirectoryListing(const char* directory, rt::i32 routine) : routine_(routine) {
    logic::Text pattern = logic::join({directory, "*"});
    handle_ = logic::call_dll(kFindFirstFileExA, convention_of(kFindFirstFileExA),
                              {logic::word(pattern.get()), kInfoBasic, logic::word(data_), kSearchNameMatch, 0,
                               kLargeFetch},
                              {routine_, 1});
    if (handle_ == kInvalidHandle) handle_ = 0;
}

DirectoryListing::~DirectoryListing() {
    if (handle_) logic::call_dll(kFindClose, convention_of(kFindClose), {handle_}, {routine_, 2});
}

bool DirectoryListing::next() {
    while (handle_) {
        if (first_) {
            first_ = false;
        } else if (!logic::call_dll(kFindNextFileA, convention_of(kFindNextFileA), {handle_, logic::word(data_)},
                                    {routine_, 3})) {
            return false;
        }
        const char* n = name();
        if (std::strcmp(n, ".") != 0 && std::strcmp(n, "..") != 0) return true;
    }
    return false;
}

const char* DirectoryListing::name() const { return reinterpret_cast<const char*>(data_ + kNameOffset); }

static rt::u32 attributes_of(const unsigned char* data) {
    rt::u32 a;
    std::memcpy(&a, data, 4);
    return a;
}

bool DirectoryListing::is_directory() const { return attributes_of(data_) & kAttributeDirectory; }
bool DirectoryListing::is_reparse_point() const { return attributes_of(data_) & kAttributeReparsePoint; }

}  // namespace tuner
