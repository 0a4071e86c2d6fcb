// One description per component type of its properties: each field of the type's
// property data block, in stored order, with the property it holds (by full index),
// its names and type code, the block version that added it, how a written value is kept, what setting it does
// and when it applies. Reading, writing, getting and setting follow from it.
//
// A type's record is its own struct P; a field reaches its place in the record through
// an accessor: member<&P::name> for a named member, element<&P::array, i> for one
// element of an array member.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <utility>

#include "forms/component_type.h"
#include "forms/property_archive.h"
#include "forms/template_model.h"

namespace forms {

// How the block stores a field: a 32-bit word, one byte, a counted byte block or a
// counted text.
enum class FieldKind : std::uint8_t { Word, Byte, Block, Text };

// How a written word is kept: as it comes; clamped to 0 ... limit; lowered to at
// most `limit` (signed); raised to at least `limit` (signed); or not at all, the
// type's set effect keeps it itself.
enum class Keep : std::uint8_t { AsIs, Choice, AtMost, AtLeast, ByType };

// A property's names and type code as the type's property descriptors show them.
constexpr PropertyDescriptor described(const char* name, const char* english_name, u32 code) {
    return {name, english_name, nullptr, property_type(code), 0};
}

// Where a record keeps one field: the same place, reached from a record being set and
// from one that is only read.
template <class P, class T>
struct FieldAccess {
    T& (*place)(P&) = nullptr;
    const T& (*value)(const P&) = nullptr;

    T& operator()(P& record) const { return place(record); }
    const T& operator()(const P& record) const { return value(record); }
    constexpr explicit operator bool() const { return place != nullptr; }
};

// The accessor of the place Reach{}(record) names, whichever the record's constness.
template <class P, class T, class Reach>
inline constexpr FieldAccess<P, T> reach_of = {
    [](P& record) -> T& { return Reach{}(record); },
    [](const P& record) -> const T& { return Reach{}(record); },
};

template <class P, class Effect = int>
struct PropertyField {
    i32 property;  // the full index, kCommonPropertyCount and up
    PropertyDescriptor describe;
    // Exactly one accessor is set; it says the kind.
    FieldAccess<P, u32> word = {};
    FieldAccess<P, char> byte = {};
    FieldAccess<P, ByteBlock> block = {};
    FieldAccess<P, std::string> text = {};
    u32 since = 1;  // the first block version that stores the field
    Keep keep = Keep::AsIs;
    u32 limit = 0;
    // A word's value when no block stores it, for the records built from their rows
    // (stored_block.h); records of their own say it in their members instead.
    u32 initial = 0;
    Effect effect = {};                   // what the type does once the value is stored
    bool (*applies)(const P&) = nullptr;  // null: always

    constexpr FieldKind kind() const {
        return word ? FieldKind::Word : byte ? FieldKind::Byte : block ? FieldKind::Block : FieldKind::Text;
    }
};

template <class P, class Effect = int>
struct PropertyTable {
    using Record = P;
    using Field = PropertyField<P, Effect>;

    u32 version;                   // the version written; a newer block cannot be read
    std::span<const Field> fields;  // in stored order
    P (*defaults)();               // what an empty block gives
    // Each text the record holds, in the order the enumerate-texts operation hands
    // them out (captions, names, font faces).
    void (*texts)(const P&, TextCallback callback, void* context);
};

template <class T>
struct MemberOf;
template <class C, class M>
struct MemberOf<M C::*> {
    using Owner = C;
    using Type = M;
};

// What one element of an array (a plain one or std::array) is.
template <class A>
using ElementOf = std::remove_cvref_t<decltype(std::declval<A&>()[0])>;

template <auto Member>
struct MemberReach {
    template <class R>
    constexpr auto& operator()(R& record) const { return record.*Member; }
};

template <auto Array, std::size_t Index>
struct ElementReach {
    template <class R>
    constexpr auto& operator()(R& record) const { return (record.*Array)[Index]; }
};

// The accessor of a named member: member<&P::name>.
template <auto Member>
inline constexpr auto member = reach_of<typename MemberOf<decltype(Member)>::Owner,
                                        typename MemberOf<decltype(Member)>::Type, MemberReach<Member>>;

// The accessor of one element of an array member: element<&P::words, 3>.
template <auto Array, std::size_t Index>
inline constexpr auto element =
    reach_of<typename MemberOf<decltype(Array)>::Owner, ElementOf<typename MemberOf<decltype(Array)>::Type>,
             ElementReach<Array, Index>>;

template <class P, class E>
const PropertyField<P, E>* find_field(const PropertyTable<P, E>& table, i32 property) {
    for (const PropertyField<P, E>& f : table.fields)
        if (f.property == property) return &f;
    return nullptr;
}

// False for a version above the table's or data that runs out; an empty block gives
// the defaults; fields newer than the block's version keep theirs.
template <class P, class E>
bool read_properties(const PropertyTable<P, E>& table, const std::uint8_t* data, u32 length, P* out) {
    *out = table.defaults();
    if (length == 0) return true;
    PropertyReader in(data, length);
    u32 version = 0;
    if (!in.u32_word(&version) || version > table.version) return false;
    for (const PropertyField<P, E>& f : table.fields) {
        if (version < f.since) continue;
        switch (f.kind()) {
        case FieldKind::Word: in.u32_word(&f.word(*out)); break;
        case FieldKind::Byte: {
            std::uint8_t b = 0;
            if (in.byte(&b)) f.byte(*out) = static_cast<char>(b);
            break;
        }
        case FieldKind::Block: in.block(&f.block(*out)); break;
        case FieldKind::Text: in.text(&f.text(*out)); break;
        }
    }
    return in.ok();
}

// In the given version, which leaves out the fields newer than it: the types always
// write their own, tests and tools older ones.
template <class P, class E>
ByteBlock write_properties(const PropertyTable<P, E>& table, const P& record, u32 version) {
    PropertyWriter out;
    out.u32_word(version);
    for (const PropertyField<P, E>& f : table.fields) {
        if (version < f.since) continue;
        switch (f.kind()) {
        case FieldKind::Word: out.u32_word(f.word(record)); break;
        case FieldKind::Byte: out.byte(static_cast<std::uint8_t>(f.byte(record))); break;
        case FieldKind::Block: out.block(f.block(record)); break;
        case FieldKind::Text: out.text(f.text(record)); break;
        }
    }
    return out.bytes();
}

template <class P, class E>
ByteBlock write_properties(const PropertyTable<P, E>& table, const P& record) {
    return write_properties(table, record, table.version);
}

// Texts and blocks are lent: the record points into the stored value.
template <class P, class E>
bool get_property(const PropertyTable<P, E>& table, const P& record, i32 property, ValueRecord* out) {
    const PropertyField<P, E>* f = find_field(table, property);
    if (!f) return false;
    switch (f->kind()) {
    case FieldKind::Word: *out = {f->word(record), 0}; break;
    case FieldKind::Byte: *out = {static_cast<std::uint8_t>(f->byte(record)), 0}; break;
    case FieldKind::Block: {
        const ByteBlock& b = f->block(record);
        *out = {b.empty() ? 0u : reinterpret_cast<u32>(b.data()), static_cast<u32>(b.size())};
        break;
    }
    case FieldKind::Text: *out = {reinterpret_cast<u32>(f->text(record).c_str()), 0}; break;
    }
    return true;
}

// The word a write stores, as the field keeps it.
u32 kept_word(Keep keep, u32 limit, u32 value);

// Stores the value as the field keeps it; texts and data are copied in. Null for an
// unknown property; *changed tells whether the stored value differs from before.
template <class P, class E>
const PropertyField<P, E>* set_property(const PropertyTable<P, E>& table, P* record, i32 property,
                                        const ValueRecord& value, bool* changed = nullptr) {
    const PropertyField<P, E>* f = find_field(table, property);
    if (!f) return nullptr;
    bool differs = false;
    if (f->keep != Keep::ByType) {
        switch (f->kind()) {
        case FieldKind::Word: {
            const u32 v = kept_word(f->keep, f->limit, value.value);
            differs = f->word(*record) != v;
            f->word(*record) = v;
            break;
        }
        case FieldKind::Byte: {
            const char v = static_cast<char>(value.value & 0xFF);
            differs = f->byte(*record) != v;
            f->byte(*record) = v;
            break;
        }
        case FieldKind::Block: {
            const auto* data = reinterpret_cast<const std::uint8_t*>(value.value);
            ByteBlock fresh;
            if (data && value.second) fresh.assign(data, data + value.second);
            differs = f->block(*record) != fresh;
            f->block(*record) = std::move(fresh);
            break;
        }
        case FieldKind::Text: {
            const char* text = reinterpret_cast<const char*>(value.value);
            std::string fresh = text ? text : "";
            differs = f->text(*record) != fresh;
            f->text(*record) = std::move(fresh);
            break;
        }
        }
    }
    if (changed) *changed = differs;
    return f;
}

// Whether the property has any effect in the record's configuration (operation 2);
// properties without a rule always apply.
template <class P, class E>
bool property_applies(const PropertyTable<P, E>& table, const P& record, i32 property) {
    const PropertyField<P, E>* f = find_field(table, property);
    return !f || !f->applies || f->applies(record);
}

template <class P, class E>
constexpr bool has_applies_rules(const PropertyTable<P, E>& table) {
    for (const PropertyField<P, E>& f : table.fields)
        if (f.applies) return true;
    return false;
}

// The face name of a stored whole logical font, or null when the block holds none
// or its face lacks the terminating zero.
const char* stored_face_name(const ByteBlock& font);

}  // namespace forms
