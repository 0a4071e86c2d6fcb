#include "tuner/install_search.h"

#include <cstring>

#include "runtime/logic/calls.h"
#include "tuner/directory_listing.h"
#include "tuner/dll_commands.h"
#include "tuner/routines.h"
#include "tuner/texts.h"

namespace tuner {
namespace {

constexpr char kConfigName[] = "system.yaml";
constexpr char kClientFolder[] = "\\LeagueClient\\";

// Removes and dispatches the search thread's own pending messages.
void pump_events() {
    unsigned char msg[28];
    constexpr rt::u32 kRemove = 1;
    while (logic::call_dll(kPeekMessageA, convention_of(kPeekMessageA), {logic::word(msg), 0, 0, 0, kRemove},
                           {kRoutineSearch, 10})) {
        logic::call_dll(kTranslateMessage, convention_of(kTranslateMessage), {logic::word(msg)}, {kRoutineSearch, 11});
        logic::call_dll(kDispatchMessageA, convention_of(kDispatchMessageA), {logic::word(msg)}, {kRoutineSearch, 12});
    }
}

// Files of a directory come before its subdirectories; subdirectories are visited in
// the order the file system lists them. Each directory is listed once.
char* walk(const char* directory, const std::atomic<bool>& stop) {
    const bool client_folder = ends_with_ignoring_case(directory, kClientFolder);
    logic::TextArray subdirectories;
    {
        DirectoryListing listing(directory, kRoutineSearch);
        while (!stop.load(std::memory_order_relaxed) && listing.next()) {
            if (listing.is_directory()) {
                if (!listing.is_reparse_point()) subdirectories.append(listing.name());
            } else if (equal_ignoring_case(listing.name(), kConfigName)) {
                pump_events();
                if (client_folder) return logic::join({directory, listing.name()}).release_ownership();
            }
        }
    }
    const logic::Site site = {kRoutineSearch, 20};
    for (rt::i32 i = 1; i <= subdirectories.size() && !stop.load(std::memory_order_relaxed); ++i) {
        logic::Text path = logic::join({directory, subdirectories.at(i, site), "\\"});
        if (char* found = walk(path.get(), stop)) return found;
        pump_events();
    }
    return nullptr;
}

}  // namespace

char* find_client_config(const char* directory, const std::atomic<bool>& stop) { return walk(directory, stop); }

char* install_directory_of(const char* config_path) {
    const size_t n = std::strlen(config_path);
    const size_t marker = std::strlen(kSystemYaml);
    if (n <= marker) return nullptr;
    return logic::Text::first_bytes(config_path, static_cast<rt::u32>(n - marker)).release_ownership();
}

rt::u32 __stdcall run_search(void* job_pointer) {
    auto* job = static_cast<SearchJob*>(job_pointer);
    job->found = walk(job->root, job->stop);
    job->done.store(true, std::memory_order_release);
    return 0;
}

}  // namespace tuner
