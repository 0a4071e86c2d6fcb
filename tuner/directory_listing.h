// Lists a directory once, entry by entry, with each entry's attributes, and walks a
// whole tree of directories with several listings under way at once: the install
// directory search and the log deletion are built on both. Names are the file
// system's own (UTF-16), so a file named in any language is listed as it is.
#pragma once
#include <atomic>
#include <string>
#include <vector>

#include "logic/values.h"

namespace tuner {

class DirectoryListing {
public:
    // `directory` ends in a backslash.
    DirectoryListing(const wchar_t* directory, rt::i32 routine);
    ~DirectoryListing();
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    // Moves to the next entry other than "." and ".."; false at the end.
    bool next();
    const wchar_t* name() const;
    bool is_directory() const;
    // Junctions and symbolic links: never followed, never deleted through.
    bool is_reparse_point() const;

private:
    rt::u32 handle_ = 0;
    bool first_ = true;
    rt::i32 routine_;
    alignas(4) unsigned char data_[592];  // the platform's wide find record
};

// What visiting one folder gives the walk: the subfolders to walk into (names, in the
// order they were listed) and the visit's own outcome.
struct FolderVisit {
    std::vector<std::wstring> subfolders;
    logic::Text found;  // what the walk looks for, when this folder holds it
    rt::i32 count = 0;  // what the visit did, summed over the walk
};

struct FolderWalkSteps {
    // Visits one folder (its path ends in a backslash). Runs on any thread of the walk,
    // on several folders at once; `context` is the walk's caller's.
    void (*visit)(const wchar_t* folder, FolderVisit& visit, const void* context);
    // Runs on the calling thread after each folder's outcome was taken; may be null.
    void (*after_each)(const void* context);
};

struct WalkOutcome {
    char* found = nullptr;  // a heap text, now the caller's
    rt::i32 count = 0;
};

// Visits `root` (ending in a backslash) and every folder below it. Helper threads visit
// folders a little ahead while the calling thread takes the outcomes in walk order: a
// folder before its subfolders, subfolders depth-first in listing order. So the first
// folder that finds something is the one a plain depth-first walk would meet first.
// Ends there, at the end of the tree, or once `stop` is set (then nothing is found, no
// further folder is visited, and the count leaves out folders visited ahead).
WalkOutcome walk_folders(const wchar_t* root, const FolderWalkSteps& steps, const void* context,
                         const std::atomic<bool>& stop, rt::i32 routine);

// An ASCII capital as its small letter; other bytes (and characters) as they are.
char fold_letter(char c);
wchar_t fold_letter(wchar_t c);
// ASCII letters compared without case; other bytes as they are.
bool equal_ignoring_case(const char* a, const char* b);
bool starts_with_ignoring_case(const char* text, const char* prefix);
// The name ends in `suffix`, letter case ignored.
bool ends_with_ignoring_case(const char* name, const char* suffix);
// The same for wide names: ASCII letters without case, every other character as it is.
bool ends_with_ignoring_case(const wchar_t* name, const wchar_t* suffix);
bool equal_ignoring_case(const wchar_t* a, const wchar_t* b);
// Whether every character of `name` is ASCII (and so has the same form in every code page).
bool is_ascii(const wchar_t* name);

}  // namespace tuner
