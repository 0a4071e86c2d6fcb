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

// The record's fields from its start, into a view.
class FieldReader {
public:
    explicit FieldReader(const ByteBlock& record) : in(record.data(), record.size()) {}
    void word(u32& w) { in.read_u32(&w); }
    void word(i32& w) { in.read_i32(&w); }
    void text(std::string& t) { in.read_inline_text(&t); }
    void block(ByteBlock& b) { in.read_byte_block(&b); }
    // A list's count; false when that many items of `each` bytes cannot follow.
    template <class T>
    bool count(std::vector<T>& items, size_t each) {
        u32 n = 0;
        if (!in.read_u32(&n) || n > in.remaining() / each) return false;
        items.resize(n);
        return true;
    }
    ArchiveReader in;
};

// The view's fields, into a record.
class FieldWriter {
public:
    void word(u32 w) { out.put_u32(w); }
    void word(i32 w) { out.put_i32(w); }
    void text(const std::string& t) { out.put_inline_text(t); }
    void block(const ByteBlock& b) { out.put_byte_block(b); }
    template <class T>
    bool count(const std::vector<T>& items, size_t) {
        out.put_u32(static_cast<u32>(items.size()));
        return true;
    }
    ArchiveWriter out;
};

// The stored order of a record's fields up to its property data, for reading and
// writing alike.
template <class Fields, class View>
bool record_fields(Fields& f, View& v) {
    f.word(v.type_id);
    f.word(v.event_link);
    for (auto& w : v.reserved1) f.word(w);
    f.text(v.name);
    f.text(v.second_name);
    f.word(v.object_slot);
    f.word(v.left);
    f.word(v.top);
    f.word(v.width);
    f.word(v.height);
    f.word(v.cursor_slot);
    f.word(v.container_id);
    if (!f.count(v.children, 4)) return false;
    for (auto& id : v.children) f.word(id);
    f.block(v.cursor_data);
    f.text(v.tag);
    f.word(v.reserved_word);
    f.word(v.state_flags);
    f.word(v.focus_order);
    if (!f.count(v.events, kEventBindingSize)) return false;
    for (auto& e : v.events) {
        f.word(e.event);
        f.word(e.handler);
    }
    for (auto& w : v.reserved2) f.word(w);
    return true;
}

}  // namespace

bool parse_record(const ByteBlock& record, RecordView* out) {
    FieldReader fields(record);
    RecordView v;
    if (!record_fields(fields, v) || !fields.in.ok()) return false;
    v.property_data = fields.in.read_rest();
    *out = std::move(v);
    return true;
}

ByteBlock build_record(const RecordView& v) {
    FieldWriter fields;
    record_fields(fields, v);
    fields.out.put_bytes(v.property_data);
    return fields.out.take();
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
