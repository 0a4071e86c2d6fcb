#include "tuner/held_listing.h"

#include <cstring>
#include <cwchar>

#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"

namespace tuner {
namespace {

// The platform's FILE_FULL_DIR_INFO classes, the first one starting the listing over.
constexpr rt::u32 kFullDirectoryInfo = 14;
constexpr rt::u32 kFullDirectoryRestartInfo = 15;
// Where the fields of one FILE_FULL_DIR_INFO entry lie.
constexpr size_t kNextEntryOffset = 0;
constexpr size_t kAttributesOffset = 56;
constexpr size_t kNameBytesOffset = 60;
constexpr size_t kNameOffset = 68;
constexpr size_t kBlockBytes = 64 * 1024;

rt::u32 word_at(const std::vector<unsigned char>& block, size_t offset) {
    rt::u32 w;
    std::memcpy(&w, block.data() + offset, 4);
    return w;
}

}  // namespace

HeldListing::HeldListing(const HeldFolder& folder, rt::i32 routine)
    : folder_(folder.handle()), routine_(routine), block_(kBlockBytes) {}

// The next block of entries; the platform says "no more files" at the end.
bool HeldListing::fetch() {
    const rt::u32 kind = restart_ ? kFullDirectoryRestartInfo : kFullDirectoryInfo;
    restart_ = false;
    if (!folder_ || !dll::GetFileInformationByHandleEx(folder_, kind, block_.data(),
                                                       static_cast<rt::u32>(block_.size()), {routine_, 1}))
        return false;
    entry_ = 0;
    return true;
}

// The entry at `entry_`, checked to lie wholly inside the block before its name is
// copied out.
bool HeldListing::take_entry() {
    if (entry_ + kNameOffset > block_.size()) return false;
    const rt::u32 name_bytes = word_at(block_, entry_ + kNameBytesOffset);
    const size_t units = name_bytes / sizeof(wchar_t);
    if (name_bytes % sizeof(wchar_t) != 0 || units >= sizeof name_ / sizeof name_[0] ||
        entry_ + kNameOffset + name_bytes > block_.size())
        return false;
    std::memcpy(name_, block_.data() + entry_ + kNameOffset, name_bytes);
    name_[units] = L'\0';
    attributes_ = word_at(block_, entry_ + kAttributesOffset);
    return true;
}

bool HeldListing::next() {
    while (!ended_) {
        if (have_block_) {
            const rt::u32 step = word_at(block_, entry_ + kNextEntryOffset);
            // Each entry lies after the one before it; one that points back or beyond
            // the block ends the listing rather than being read.
            if (step == 0 || step < kNameOffset || entry_ + step >= block_.size())
                have_block_ = false;
            else
                entry_ += step;
        }
        if (!have_block_) {
            have_block_ = fetch();
            if (!have_block_) {
                ended_ = true;
                return false;
            }
        }
        if (!take_entry()) {
            ended_ = true;
            return false;
        }
        if (std::wcscmp(name_, L".") != 0 && std::wcscmp(name_, L"..") != 0) return true;
    }
    return false;
}

bool HeldListing::is_directory() const { return attributes_ & kAttributeDirectory; }
bool HeldListing::is_reparse_point() const { return attributes_ & kAttributeReparsePoint; }

}  // namespace tuner
