// Writing the window template segment in the one layout the reader accepts.
#include "forms/template_archive.h"

namespace forms {

namespace {

ByteBlock component_table_body(const ComponentTable& table) {
    ArchiveWriter ids, offsets, records;
    for (size_t i = 0; i < table.ids.size(); ++i) {
        ids.put_u32(table.ids[i]);
        offsets.put_u32(static_cast<u32>(records.data().size()));
        records.put_byte_block(table.records[i]);
    }
    ArchiveWriter body = std::move(ids);
    body.put_bytes(offsets.data());
    body.put_bytes(records.data());
    return body.take();
}

}  // namespace

ByteBlock write_segment(const TemplateSegment& segment) {
    ArchiveWriter out;
    ArchiveWriter window_table;
    for (const WindowEntry& w : segment.windows) window_table.put_u32(w.window_id);
    for (const WindowEntry& w : segment.windows) window_table.put_u32(w.reserved_slot);
    out.put_byte_block(window_table.data());

    for (const WindowEntry& w : segment.windows) {
        out.put_u32(w.word_a);
        out.put_u32(w.word_b);
        out.put_counted_text(w.text1);
        out.put_counted_text(w.text2);
        out.put_u32(static_cast<u32>(w.table.ids.size()));
        out.put_byte_block(component_table_body(w.table));
    }
    return out.take();
}

}  // namespace forms
