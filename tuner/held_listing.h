// Lists a held folder through its own handle: what is listed is the folder that was
// checked, whatever its path leads to by now, and the listing costs no second open of
// the folder (the log cleanup lists every folder of the client this way).
#pragma once
#include <vector>

#include "logic/values.h"
#include "tuner/held_folder.h"

namespace tuner {

class HeldListing {
public:
    // `folder` stays held for as long as the listing is used.
    HeldListing(const HeldFolder& folder, rt::i32 routine);
    HeldListing(const HeldListing&) = delete;
    HeldListing& operator=(const HeldListing&) = delete;

    // Moves to the next entry other than "." and ".."; false at the end, or when the
    // platform hands back a block whose entries do not fit in it.
    bool next();
    const wchar_t* name() const { return name_; }
    bool is_directory() const;
    // Junctions and symbolic links: never followed, never deleted through.
    bool is_reparse_point() const;

private:
    bool fetch();
    bool take_entry();

    rt::u32 folder_;
    rt::i32 routine_;
    bool restart_ = true;
    bool ended_ = false;
    std::vector<unsigned char> block_;
    size_t entry_ = 0;      // offset of the current entry in the block
    bool have_block_ = false;
    rt::u32 attributes_ = 0;
    wchar_t name_[512] = {};  // a name has at most 255 units; room to spare
};

}  // namespace tuner
