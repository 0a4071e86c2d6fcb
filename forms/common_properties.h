// The eight properties every component type has, the window included: position and
// size, tag, visibility, disabled state and mouse pointer. They live in the window's
// live table, so they work whether or not the window is loaded.
#pragma once
#include <array>

#include "forms/component_type.h"
#include "forms/property_indexes.h"
#include "forms/window_registry.h"

namespace forms {

inline constexpr i32 kPositionLimit = 32627;

inline constexpr PropertyDescriptor kCommonProperties[kCommonPropertyCount] = {
    {"左边", "left", nullptr, property_type(kCodeInteger2, kCommonPropertyFlags), 0},
    {"顶边", "top", nullptr, property_type(kCodeInteger2, kCommonPropertyFlags), 0},
    {"宽度", "width", nullptr, property_type(kCodeInteger2, kCommonPropertyFlags), 0},
    {"高度", "height", nullptr, property_type(kCodeInteger2, kCommonPropertyFlags), 0},
    {"标记", "tag", nullptr, property_type(kCodeText, kCommonPropertyFlags), 0},
    {"可视", "visible", nullptr, property_type(kCodeLogical, kCommonPropertyFlags), 0},
    {"禁止", "disable", nullptr, property_type(kCodeLogical, kCommonPropertyFlags), 0},
    {"鼠标指针", "MousePointer", nullptr, property_type(kCodeCursor, kCommonPropertyFlags), 0},
};

// A type's whole property table: the common eight, then its own.
template <size_t N>
constexpr std::array<PropertyDescriptor, kCommonPropertyCount + N> with_common_properties(
    const std::array<PropertyDescriptor, N>& own) {
    std::array<PropertyDescriptor, kCommonPropertyCount + N> all = {};
    for (size_t i = 0; i < kCommonPropertyCount; ++i) all[i] = kCommonProperties[i];
    for (size_t i = 0; i < N; ++i) all[kCommonPropertyCount + i] = own[i];
    return all;
}

// A type's property descriptors: the common eight, then its own, each at its index
// as the type's fields name it. Fails to compile when an index is outside the table
// and leaves a gap unnamed (checked by every_property_described).
template <size_t Own, class Field, size_t N>
constexpr std::array<PropertyDescriptor, kCommonPropertyCount + Own> property_descriptors(const Field (&fields)[N]) {
    std::array<PropertyDescriptor, kCommonPropertyCount + Own> all = {};
    for (size_t i = 0; i < kCommonPropertyCount; ++i) all[i] = kCommonProperties[i];
    for (const Field& f : fields) all.at(static_cast<size_t>(f.property)) = f.describe;
    return all;
}

template <size_t N>
constexpr bool every_property_described(const std::array<PropertyDescriptor, N>& all) {
    for (const PropertyDescriptor& d : all)
        if (!d.name || !d.english_name) return false;
    return true;
}

// Record `index` of the window; the property is 0 to 7.
rt::u64 read_common_property(WindowDescriptor& window, int index, i32 property);
void write_common_property(WindowDescriptor& window, int index, i32 property, u32 lo);

}  // namespace forms
