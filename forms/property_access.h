// Reading and writing component properties by (window id, component id, index), and
// of a component reference by its object: entry slots 4 and 5 and helpers 4 and 5.
#pragma once
#include "runtime/values.h"

namespace forms {

// `sub` matters only for fonts (-1: the whole font). Texts, byte sets and whole
// fonts read are new blocks the caller owns; values written are lent.
rt::u64 read_property(rt::u32 window_id, rt::u32 component_id, rt::i32 index, rt::i32 sub);
void write_property(rt::u32 window_id, rt::u32 component_id, rt::i32 index, rt::i32 sub, rt::u32 lo, rt::u32 hi);

rt::u64 read_reference_property(rt::u32 type_id, void* object, rt::i32 index, rt::i32 sub);
void write_reference_property(rt::u32 type_id, void* object, rt::i32 index, rt::i32 sub, rt::u32 lo, rt::u32 hi);

}  // namespace forms
