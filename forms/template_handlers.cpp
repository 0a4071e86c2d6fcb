// Handler offsets become addresses once, after the segment is read: the loader and
// event dispatch then call bindings directly.
#include "forms/template_archive.h"
#include "forms/template_record.h"

namespace forms {

namespace {

// Calls `visit(record, slots)` for every record; false at the first record that
// cannot be walked.
template <typename Visit>
bool for_each_record(TemplateSegment* segment, Visit visit) {
    std::vector<size_t> slots;
    for (WindowEntry& w : segment->windows) {
        ComponentTable& table = w.table;
        for (size_t i = 0; i < table.records.size(); ++i) {
            if (!find_handler_slots(table.ids[i], table.records[i], &slots)) return false;
            visit(table.records[i], slots);
        }
    }
    return true;
}

}  // namespace

bool resolve_handlers(TemplateSegment* segment, u32 code_base) {
    // Walk everything first: a damaged record must not leave the segment half resolved.
    if (!for_each_record(segment, [](ByteBlock&, const std::vector<size_t>&) {})) return false;
    return for_each_record(segment, [code_base](ByteBlock& record, const std::vector<size_t>& slots) {
        for (size_t at : slots) {
            std::uint8_t* word = &record[at];
            i32 offset = static_cast<i32>(load_u32(word));
            store_u32(word, offset == -1 ? 0 : code_base + static_cast<u32>(offset));
        }
    });
}

}  // namespace forms
