#include "tuner/install_search.h"

#include <cstring>
#include <string>
#include <utility>

#include "logic/calls.h"
#include "tuner/directory_listing.h"
#include "tuner/dll_commands.h"
#include "tuner/install_candidates.h"
#include "tuner/routines.h"
#include "tuner/texts.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr wchar_t kConfigName[] = L"system.yaml";
constexpr wchar_t kClientFolder[] = L"\\LeagueClient\\";
// The search thread owns no window: draining its queue now and then is enough, and
// draining it after every folder would cost more than listing the folder.
constexpr rt::u32 kPumpIntervalMs = 50;

struct Search {
    const std::atomic<bool>& stop;
    mutable rt::u32 last_pump = 0;  // the search thread's alone
};

// Removes and dispatches the search thread's own pending messages.
void pump_events() {
    unsigned char msg[28];
    constexpr rt::u32 kRemove = 1;
    while (dll::PeekMessageW(msg, 0, 0, 0, kRemove, {kRoutineSearch, 10})) {
        dll::TranslateMessage(msg, {kRoutineSearch, 11});
        dll::DispatchMessageW(msg, {kRoutineSearch, 12});
    }
}

// Whether the tool's texts can name `name`: the install directory is one of them, so a
// folder whose name has no GBK form can never hold it. Most names are ASCII and need
// no conversion to tell.
bool nameable(const wchar_t* name) {
    if (is_ascii(name)) return true;
    bool exact = false;
    gbk_from_wide(name, &exact);
    return exact;
}

// One folder of the walk, on whichever thread visits it: its subfolders (reparse points
// are not followed, nor folders the tool cannot name) and, in a client folder, the
// config file. The walk takes the outcomes in order, so files of a folder still come
// before its subfolders and the first qualifying path in listing order wins.
void visit_folder(const wchar_t* folder, FolderVisit& visit, const void* search) {
    const auto& stop = static_cast<const Search*>(search)->stop;
    const bool client_folder = ends_with_ignoring_case(folder, kClientFolder);
    DirectoryListing listing(folder, kRoutineSearch);
    while (!stop.load(std::memory_order_relaxed) && listing.next()) {
        if (listing.is_directory()) {
            if (!listing.is_reparse_point() && nameable(listing.name())) visit.subfolders.push_back(listing.name());
        } else if (client_folder && equal_ignoring_case(listing.name(), kConfigName)) {
            const std::wstring path = std::wstring(folder) + listing.name();
            bool exact = false;
            logic::Text found = gbk_from_wide(path.c_str(), &exact);
            if (!exact) continue;
            visit.found = std::move(found);
            return;
        }
    }
}

void pump_now_and_then(const void* search_pointer) {
    const auto* search = static_cast<const Search*>(search_pointer);
    const rt::u32 now = dll::GetTickCount({kRoutineSearch, 13});
    if (search->last_pump != 0 && now - search->last_pump < kPumpIntervalMs) return;
    search->last_pump = now;
    pump_events();
}

SearchWalk g_walk = find_client_config;

}  // namespace

char* find_client_config(const char* directory, const std::atomic<bool>& stop) {
    const Search search = {stop};
    const FolderWalkSteps steps = {visit_folder, pump_now_and_then};
    // Converting the root both ways binds the conversions on this thread, before the
    // walk's helpers call them.
    const WideText root(directory);
    if (!root.get()) return nullptr;
    gbk_from_wide(root.get());
    return walk_folders(root.get(), steps, &search, stop, kRoutineSearch).found;
}

char* install_directory_of(const char* config_path) {
    const size_t n = std::strlen(config_path);
    const size_t marker = std::strlen(kSystemYaml);
    if (n <= marker) return nullptr;
    return logic::Text::first_bytes(config_path, static_cast<rt::u32>(n - marker)).release();
}

SearchWalk replace_search_walk(SearchWalk walk) {
    const SearchWalk old = g_walk;
    g_walk = walk ? walk : find_client_config;
    return old;
}

char* search_drive(const char* root, const std::atomic<bool>& stop) {
    // A client in one of its usual places spares the walk of the whole drive.
    if (char* usual = find_usual_install(root[0], stop)) return usual;
    return g_walk(root, stop);
}

}  // namespace tuner
