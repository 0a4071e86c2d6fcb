// The window template segment in memory: the window table, one entry per window and
// each window's component table. Records are kept as their stored bytes, so that a
// segment written back is identical to the one read; RecordView walks one record.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "runtime/values.h"

namespace forms {

using rt::i32;
using rt::u32;
using ByteBlock = std::vector<std::uint8_t>;

inline constexpr u32 kWindowRecordId = 0x06010000;  // always record 0 of a window

// Bits 24 to 27 of an identifier tell its kind; menu items also have 2 in bits 28 to 31.
constexpr u32 id_kind(u32 id) { return (id >> 24) & 0xF; }
constexpr bool is_window_id(u32 id) { return id_kind(id) == 2; }
constexpr bool is_component_id(u32 id) { return id_kind(id) == 6; }
constexpr bool is_menu_item_id(u32 id) { return id_kind(id) == 6 && (id >> 28) == 2; }

// State flags of a record.
inline constexpr u32 kStateVisible = 0x1;
inline constexpr u32 kStateDisabled = 0x2;
inline constexpr u32 kStateTabStop = 0x4;

struct EventBinding {
    i32 event;
    i32 handler;  // offset into the code base in the stored form; after resolution an address, 0 for none
};

// One component record, field by field (the window's own record has the same shape).
struct RecordView {
    u32 type_id = 0;
    u32 event_link = 0;
    u32 reserved1[4] = {};
    std::string name;
    std::string second_name;
    u32 object_slot = 0;
    i32 left = 0, top = 0, width = 0, height = 0;
    u32 cursor_slot = 0;
    u32 container_id = 0;
    std::vector<u32> children;
    ByteBlock cursor_data;
    std::string tag;
    u32 reserved_word = 0;
    u32 state_flags = 0;
    u32 focus_order = 0;
    std::vector<EventBinding> events;
    u32 reserved2[5] = {};
    ByteBlock property_data;  // type-specific, starts with its version word; may be empty
};

// Menu-item records have their own tail after the name (none in this program); they
// are kept as bytes and only their handler offset is resolved.

// Walks a record's bytes; false when any length runs past the end.
bool parse_record(const ByteBlock& record, RecordView* out);
ByteBlock build_record(const RecordView& view);

struct ComponentTable {
    std::vector<u32> ids;          // record order; index 0 is the window's own record
    std::vector<ByteBlock> records;  // the S bytes of each record (without the size word)

    // Index of the record with this id, or -1.
    int find(u32 id) const {
        for (size_t i = 0; i < ids.size(); ++i)
            if (ids[i] == id) return static_cast<int>(i);
        return -1;
    }
};

struct WindowEntry {
    u32 window_id = 0;
    u32 reserved_slot = 0;  // stored value of the window table's paired slot
    u32 word_a = 0;
    u32 word_b = 0;
    std::string text1, text2;
    ComponentTable table;
};

struct TemplateSegment {
    std::vector<WindowEntry> windows;
};

// Reads a whole segment; false on any inconsistency (a length running past the end,
// a record table whose offsets leave the block, trailing garbage inside a block).
// The object and cursor slots of component records come back cleared: they hold
// run-time pointers, and whatever a template stores there is nothing of ours.
bool read_segment(const std::uint8_t* data, size_t length, TemplateSegment* out);
ByteBlock write_segment(const TemplateSegment& segment);

// A handler offset names one slot of the program's handler table: a code address,
// one word wide.
inline constexpr u32 kHandlerSlotSize = 4;

// Replaces every stored handler offset by 0 (offset -1) or code base + offset, in
// every record of every window, menu items included. Fails without changing anything
// when an offset other than -1 names no slot of a table of `handler_count` slots:
// event dispatch calls through whatever the resolved address points at.
bool resolve_handlers(TemplateSegment* segment, u32 code_base, u32 handler_count);

}  // namespace forms
