#include "bench/baseline_search.h"

#include "logic/commands.h"
#include "tuner/dll_commands.h"

namespace bench {
namespace {

constexpr rt::i32 kRoutine = 0x04019001;
constexpr rt::u32 kDirectoryAttribute = 0x10;

// Removes and dispatches every pending message of the calling thread.
void event_pump() {
    unsigned char msg[28];
    const auto peek = [&msg] {
        return tuner::dll::PeekMessageW(msg, 0, 0, 0, 1, {kRoutine, 1});
    };
    while (peek()) {
        tuner::dll::TranslateMessage(msg, {kRoutine, 2});
        tuner::dll::DispatchMessageW(msg, {kRoutine, 3});
    }
}

}  // namespace

rt::i32 baseline_file_search(const char* directory, const char* patterns, logic::TextArray& list, bool with_path,
                             bool recurse) {
    logic::Text copy = logic::Text::copy(directory);
    if (logic::right_text(copy.get(), 1) != "\\") copy = logic::join({copy.get(), "\\"});
    const logic::TextArray each = logic::split_text(patterns, "|");
    logic::FileSearch search;  // one find handle per directory level

    for (rt::i32 i = 1; i <= each.size(); ++i) {
        const logic::Text pattern = logic::join({copy.get(), each.at(i, {kRoutine, 4})});
        for (logic::Text name = search.next(pattern.get(), 0, true); name.get(); name = search.next("", 0, true)) {
            if (with_path) {
                list.append(logic::join({copy.get(), name.get()}).get());
            } else {
                list.append(name.get());
            }
            event_pump();
        }
    }
    if (recurse) {
        const logic::Text all = logic::join({copy.get(), "*.*"});
        for (logic::Text name = search.next(all.get(), kDirectoryAttribute, false); name.get();
             name = search.next("", kDirectoryAttribute, false)) {
            if (name == "." || name == "..") continue;
            const logic::Text sub = logic::join({copy.get(), name.get()});
            baseline_file_search(sub.get(), patterns, list, with_path, recurse);
            event_pump();
        }
    }
    search.close();
    return list.size();
}

const char* first_client_path(const logic::TextArray& list) {
    for (rt::i32 i = 1; i <= list.size(); ++i) {
        const char* path = list.at(i, {kRoutine, 5});
        if (logic::find_text(path, "LeagueClient") != -1) return path;
    }
    return nullptr;
}

}  // namespace bench
