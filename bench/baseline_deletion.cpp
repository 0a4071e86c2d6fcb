#include "bench/baseline_deletion.h"

#include "logic/commands.h"

namespace bench {
namespace {
constexpr rt::u32 kDirectoryAttribute = 0x10;
}  // namespace

rt::i32 baseline_delete_files(logic::Text& directory, const char* pattern, bool recurse, rt::i32 count, Pass pass) {
    // A pattern without an extension is refused (the tool shows a box; the benchmark
    // never passes one).
    if (logic::find_text(pattern, ".") == -1) return 0;
    if (logic::right_text(directory.get(), 1) != "\\") directory = logic::join({directory.get(), "\\"});
    logic::FileSearch search;

    const logic::Text matching = logic::join({directory.get(), pattern});
    for (logic::Text name = search.next(matching.get(), 0, true); name.get(); name = search.next("", 0, true)) {
        if (pass == Pass::CountOnly) {
            ++count;
            continue;
        }
        const logic::Text file = logic::join({directory.get(), name.get()});
        if (logic::delete_file(file.get())) ++count;
    }
    if (recurse) {
        const logic::Text all = logic::join({directory.get(), "*.*"});
        for (logic::Text name = search.next(all.get(), kDirectoryAttribute, false); name.get();
             name = search.next("", kDirectoryAttribute, false)) {
            if (logic::left_text(name.get(), 1) == ".") continue;
            logic::Text sub = logic::join({directory.get(), name.get()});
            count = baseline_delete_files(sub, pattern, recurse, count, pass);
        }
    }
    search.close();
    return count;
}

}  // namespace bench
