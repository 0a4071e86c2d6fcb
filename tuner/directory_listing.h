// Lists a directory once, entry by entry, with each entry's attributes: the walks of
// the install directory search and of the log deletion are built on it.
#pragma once
#include "runtime/logic/values.h"

namespace tuner {

class DirectoryListing {
public:
    // `directory` ends in a backslash.
    DirectoryListing(const char* directory, rt::i32 routine);
    ~DirectoryListing();
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    // Moves to the next entry other than "." and ".."; false at the end.
    bool next();
    const char* name() const;
    bool is_directory() const;
    // Junctions and symbolic links: never followed, never deleted through.
    bool is_reparse_point() const;

private:
    rt::u32 handle_ = 0;
    bool first_ = true;
    rt::i32 routine_;
    unsigned char data_[320];  // the platform's ANSI find record
};

// ASCII letters compared without case; other bytes as they are.
bool equal_ignoring_case(const char* a, const char* b);
// The name ends in `suffix`, letter case ignored.
bool ends_with_ignoring_case(const char* name, const char* suffix);

}  // namespace tuner
