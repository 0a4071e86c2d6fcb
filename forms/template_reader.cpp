// Reading the window template segment. Every length is checked against the end of
// the data it lives in, and the segment must be laid out exactly as the writer lays
// it out (records one after another in record order, nothing left over), so that a
// segment read and written back is identical (but for the run-time slots, which come
// back cleared) and a damaged one is refused whole.
#include <vector>

#include "forms/record_fields.h"
#include "forms/template_archive.h"
#include "forms/template_record.h"

namespace forms {

namespace {

bool read_component_table(ArchiveReader& in, ComponentTable* table) {
    u32 count;
    ByteBlock body;
    if (!in.read_u32(&count) || !in.read_byte_block(&body)) return false;
    if (count > body.size() / 8) return false;

    ArchiveReader ids(body.data(), body.size());
    table->ids.resize(count);
    for (u32& id : table->ids) ids.read_u32(&id);
    std::vector<u32> offsets(count);
    for (u32& offset : offsets) ids.read_u32(&offset);

    // Offsets count from the end of the two arrays.
    ArchiveReader records(body.data() + 8 * size_t(count), body.size() - 8 * size_t(count));
    table->records.resize(count);
    for (u32 i = 0; i < count; ++i) {
        u32 size;
        if (offsets[i] != records.position()) return false;
        if (!records.read_u32(&size) || !records.read_bytes(size, &table->records[i])) return false;
    }
    return records.at_end();
}

bool read_window_entry(ArchiveReader& in, WindowEntry* entry) {
    in.read_u32(&entry->word_a);
    in.read_u32(&entry->word_b);
    in.read_counted_text(&entry->text1);
    in.read_counted_text(&entry->text2);
    return in.ok() && read_component_table(in, &entry->table);
}

// Handler resolution walks every record later; a record it could not walk is a
// damaged segment, found here rather than half-way through resolution.
bool records_walkable(const ComponentTable& table) {
    std::vector<size_t> slots;
    for (size_t i = 0; i < table.records.size(); ++i)
        if (!find_handler_slots(table.ids[i], table.records[i], &slots)) return false;
    return true;
}

// The loader takes a non-zero object slot for a live object and the window's end
// releases whatever the cursor slot holds: a template has no business there.
void clear_run_time_slots(ComponentTable* table) {
    for (size_t i = 0; i < table->records.size(); ++i) {
        if (is_menu_item_id(table->ids[i])) continue;
        write_fixed(table->records[i], Fixed::Object, 0);
        write_fixed(table->records[i], Fixed::Cursor, 0);
    }
}

}  // namespace

bool read_segment(const std::uint8_t* data, size_t length, TemplateSegment* out) {
    ArchiveReader in(data, length);
    ByteBlock window_table;
    if (!in.read_byte_block(&window_table) || window_table.size() % 8 != 0) return false;

    // Window ids first, then as many reserved slots.
    size_t count = window_table.size() / 8;
    TemplateSegment segment;
    segment.windows.resize(count);
    for (size_t i = 0; i < count; ++i) {
        WindowEntry& w = segment.windows[i];
        w.window_id = load_u32(&window_table[4 * i]);
        w.reserved_slot = load_u32(&window_table[4 * (count + i)]);
        if (!read_window_entry(in, &w) || !records_walkable(w.table)) return false;
        clear_run_time_slots(&w.table);
    }
    if (!in.at_end()) return false;
    *out = std::move(segment);
    return true;
}

}  // namespace forms
