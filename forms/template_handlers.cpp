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

// -1 (no handler), or the offset of one whole slot of the table.
bool names_a_slot(u32 stored, u32 handler_count) {
    if (static_cast<i32>(stored) == -1) return true;
    return stored % kHandlerSlotSize == 0 && stored / kHandlerSlotSize < handler_count;
}

}  // namespace

bool resolve_handlers(TemplateSegment* segment, u32 code_base, u32 handler_count) {
    // Check everything first: a damaged record must not leave the segment half resolved.
    bool all_named = true;
    const bool walked = for_each_record(segment, [&](ByteBlock& record, const std::vector<size_t>& slots) {
        for (size_t at : slots) all_named = all_named && names_a_slot(load_u32(&record[at]), handler_count);
    });
    if (!walked || !all_named) return false;
    return for_each_record(segment, [code_base](ByteBlock& record, const std::vector<size_t>& slots) {
        for (size_t at : slots) {
            std::uint8_t* word = &record[at];
            i32 offset = static_cast<i32>(load_u32(word));
            store_u32(word, offset == -1 ? 0 : code_base + static_cast<u32>(offset));
        }
    });
}

}  // namespace forms
