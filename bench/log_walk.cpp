#include "bench/log_walk.h"

#include "tuner/directory_listing.h"
#include "tuner/file_routines.h"
#include "tuner/routines.h"
#include "tuner/wide_text.h"

namespace bench {
namespace {

// The tool's deletion visit with the deletion left out.
void count_in_folder(const wchar_t* folder, tuner::FolderVisit& visit, const void* pattern) {
    tuner::DirectoryListing listing(folder, tuner::kRoutineDeleteFiles);
    while (listing.next()) {
        if (listing.is_directory()) {
            if (!listing.is_reparse_point() && listing.name()[0] != L'.') visit.subfolders.push_back(listing.name());
        } else if (tuner::matches_pattern(listing.name(), static_cast<const wchar_t*>(pattern))) {
            ++visit.count;
        }
    }
}

}  // namespace

rt::i32 tool_log_walk(const char* directory, const char* pattern) {
    static const std::atomic<bool> kNeverStop{false};
    const tuner::FolderWalkSteps steps = {count_in_folder, nullptr};
    const tuner::WideText wide_directory(directory), wide_pattern(pattern);
    return tuner::walk_folders(wide_directory.get(), steps, wide_pattern.get(), kNeverStop, tuner::kRoutineDeleteFiles)
        .count;
}

}  // namespace bench
