#include "forms/components/window_properties.h"

namespace forms {

WindowProperties window_defaults() { return {}; }

void window_texts(const WindowProperties& p, TextCallback callback, void* context) {
    callback(p.title.c_str(), context);
    callback(p.help_file.c_str(), context);
    callback(p.class_name.c_str(), context);
}

constexpr std::array<PropertyDescriptor, kWindowPropertyCount> kWindowDescriptors =
    property_descriptors<kWindowPropertyCount - kCommonPropertyCount>(kWindowFields);
static_assert(every_property_described(kWindowDescriptors));

bool read_window_properties(const std::uint8_t* data, u32 length, WindowProperties* out) {
    return read_properties(kWindowTable, data, length, out);
}

ByteBlock write_window_properties(const WindowProperties& properties) {
    return write_properties(kWindowTable, properties);
}

}  // namespace forms
