// The interface function every component type hands out, from its create function,
// its property table and its run-time object: create, set, get and save properties,
// enumerate texts, when the table has rules for it whether a property applies, and
// for a type that can be its window's default button whether it is.
//
// The object offers properties() (its record), set_property and get_property by
// full property index, optionally save() when saving must first refresh the record
// from the platform control, and is_default_button() when it can be one.
#pragma once
#include <type_traits>

#include "forms/component_object.h"
#include "forms/property_block.h"
#include "runtime/texts.h"

namespace forms {

template <typename Fn>
Operation0 as_operation(Fn fn) {
    return reinterpret_cast<Operation0>(fn);
}

// The runtime names a type's own properties from 0; the tables name them by full
// index.
constexpr i32 full_property_index(i32 own_index) { return kCommonPropertyCount + own_index; }

template <class Object, const auto& Table, CreateOp Create>
struct TypeOperations {
    using Record = typename std::remove_cvref_t<decltype(Table)>::Record;

    static Object* as(ComponentObject* object) { return dynamic_cast<Object*>(object); }

    static u32 set(ComponentObject* object, i32 index, const ValueRecord* value, u32 /*reserved*/) {
        Object* o = as(object);
        return o && value ? o->set_property(full_property_index(index), *value) : 0;
    }

    static bool get(ComponentObject* object, i32 index, ValueRecord* out) {
        Object* o = as(object);
        return o && out && o->get_property(full_property_index(index), out);
    }

    static rt::ByteSetHeader* save(ComponentObject* object) {
        Object* o = as(object);
        if (!o) return nullptr;
        ByteBlock block;
        if constexpr (requires { o->save(); })
            block = o->save();
        else
            block = write_properties(Table, o->properties());
        return rt::make_byte_set(block.data(), static_cast<i32>(block.size()));
    }

    // From the live object when there is one, else from the stored block.
    static void enumerate_texts(ComponentObject* object, const std::uint8_t* data, u32 length, TextCallback callback,
                                void* context) {
        if (!callback) return;
        Record read;
        const Record* record = nullptr;
        if (const Object* o = as(object))
            record = &o->properties();
        else if (read_properties(Table, data, length, &read))
            record = &read;
        if (record) Table.texts(*record, callback, context);
    }

    static bool applies(ComponentObject* object, i32 index) {
        const Object* o = as(object);
        return o && property_applies(Table, o->properties(), full_property_index(index));
    }

    static bool is_default_button(ComponentObject* object) {
        const Object* o = as(object);
        return o && o->is_default_button();
    }

    // The type's interface function; null for the operations the type has no part in.
    static Operation0 operation(i32 op) {
        switch (op) {
        case kOpCreate: return as_operation(Create);
        case kOpIsDefaultButton:
            if constexpr (requires(const Object& o) { o.is_default_button(); })
                return as_operation(static_cast<IsDefaultButtonOp>(is_default_button));
            else
                return nullptr;
        case kOpApplies: return has_applies_rules(Table) ? as_operation(static_cast<AppliesOp>(applies)) : nullptr;
        case kOpSetProperty: return as_operation(static_cast<SetPropertyOp>(set));
        case kOpSaveProperties: return as_operation(static_cast<SavePropertiesOp>(save));
        case kOpGetProperty: return as_operation(static_cast<GetPropertyOp>(get));
        case kOpEnumerateTexts: return as_operation(static_cast<EnumerateTextsOp>(enumerate_texts));
        default: return nullptr;
        }
    }
};

}  // namespace forms
