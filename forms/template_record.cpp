// Walking and rebuilding one component record. Nothing after the name sits at a
// fixed offset, so every field is reached by walking the ones before it.
#include "forms/template_record.h"

#include "forms/template_archive.h"

namespace forms {

namespace {

constexpr size_t kEventBindingSize = 8;
constexpr size_t kTailReservedWords = 5;

// Menu items: header, name, caption, 12 bytes of state, a further text, handler.
bool find_menu_item_handler(const ByteBlock& record, size_t* at) {
    ArchiveReader in(record.data(), record.size());
    std::string text;
    in.skip(24);
    in.read_inline_text(&text);
    in.read_inline_text(&text);
    in.skip(12);
    in.read_inline_text(&text);
    *at = in.position();
    return in.skip(4);
}

}  // namespace

bool parse_record(const ByteBlock& record, RecordView* out) {
    ArchiveReader in(record.data(), record.size());
    RecordView v;
    in.read_u32(&v.type_id);
    in.read_u32(&v.event_link);
    for (u32& w : v.reserved1) in.read_u32(&w);
    in.read_inline_text(&v.name);
    in.read_inline_text(&v.second_name);
    in.read_u32(&v.object_slot);
    in.read_i32(&v.left);
    in.read_i32(&v.top);
    in.read_i32(&v.width);
    in.read_i32(&v.height);
    in.read_u32(&v.cursor_slot);
    in.read_u32(&v.container_id);

    u32 child_count = 0;
    if (!in.read_u32(&child_count) || child_count > in.remaining() / 4) return false;
    v.children.resize(child_count);
    for (u32& id : v.children) in.read_u32(&id);

    in.read_byte_block(&v.cursor_data);
    in.read_inline_text(&v.tag);
    in.read_u32(&v.reserved_word);
    in.read_u32(&v.state_flags);
    in.read_u32(&v.focus_order);

    u32 event_count = 0;
    if (!in.read_u32(&event_count) || event_count > in.remaining() / kEventBindingSize) return false;
    v.events.resize(event_count);
    for (EventBinding& e : v.events) {
        in.read_i32(&e.event);
        in.read_i32(&e.handler);
    }
    for (u32& w : v.reserved2) in.read_u32(&w);
    if (!in.ok()) return false;
    v.property_data = in.read_rest();
    *out = std::move(v);
    return true;
}

ByteBlock build_record(const RecordView& v) {
    ArchiveWriter out;
    out.put_u32(v.type_id);
    out.put_u32(v.event_link);
    for (u32 w : v.reserved1) out.put_u32(w);
    out.put_inline_text(v.name);
    out.put_inline_text(v.second_name);
    out.put_u32(v.object_slot);
    out.put_i32(v.left);
    out.put_i32(v.top);
    out.put_i32(v.width);
    out.put_i32(v.height);
    out.put_u32(v.cursor_slot);
    out.put_u32(v.container_id);
    out.put_u32(static_cast<u32>(v.children.size()));
    for (u32 id : v.children) out.put_u32(id);
    out.put_byte_block(v.cursor_data);
    out.put_inline_text(v.tag);
    out.put_u32(v.reserved_word);
    out.put_u32(v.state_flags);
    out.put_u32(v.focus_order);
    out.put_u32(static_cast<u32>(v.events.size()));
    for (const EventBinding& e : v.events) {
        out.put_i32(e.event);
        out.put_i32(e.handler);
    }
    for (u32 w : v.reserved2) out.put_u32(w);
    out.put_bytes(v.property_data);
    return out.take();
}

bool find_handler_slots(u32 id, const ByteBlock& record, std::vector<size_t>* slots) {
    slots->clear();
    if (is_menu_item_id(id)) {
        size_t at;
        if (!find_menu_item_handler(record, &at)) return false;
        slots->push_back(at);
        return true;
    }
    RecordView view;
    if (!parse_record(record, &view)) return false;
    // The event list ends where the reserved words before the property data begin.
    size_t list_end = record.size() - view.property_data.size() - kTailReservedWords * 4;
    size_t first = list_end - view.events.size() * kEventBindingSize;
    for (size_t i = 0; i < view.events.size(); ++i) slots->push_back(first + i * kEventBindingSize + 4);
    return true;
}

}  // namespace forms
