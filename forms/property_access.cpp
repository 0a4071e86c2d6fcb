#include "forms/property_access.h"

#include "forms/common_properties.h"
#include "forms/component_object.h"
#include "forms/font_value.h"
#include "forms/rebuild.h"
#include "forms/value_conversion.h"
#include "forms/window_registry.h"
#include "runtime/error_box.h"

namespace forms {
namespace {

constexpr const char kWindowNotLoaded[] = "未载入欲访问窗口组件所在的窗口";
constexpr const char kReadNotLoaded[] = "读取组件属性时发现指定窗口尚未载入";
constexpr const char kWriteNotLoaded[] = "修改组件属性时发现指定窗口尚未载入";

[[noreturn]] void fail(const char* message, u32 window_id, u32 component_id) {
    rt::report_error_message(message, static_cast<i32>(window_id), static_cast<i32>(component_id));
}

struct Target {
    WindowDescriptor* window;
    int index;
};

// The window and record addressed; a missing window ends in the error box, a
// missing record counts as a component that is not loaded.
Target locate(u32 window_id, u32 component_id, const char* not_loaded) {
    WindowDescriptor* window = find_descriptor(window_id);
    if (!window) fail(kWindowNotLoaded, window_id, component_id);
    const int index = find_record(*window, component_id);
    if (index < 0) fail(not_loaded, window_id, component_id);
    return {window, index};
}

}  // namespace

rt::u64 read_property(u32 window_id, u32 component_id, i32 index, i32 sub) {
    if (is_menu_item_id(component_id)) return 0;  // this runtime builds no menus
    const Target t = locate(window_id, component_id, kReadNotLoaded);
    if (index >= 0 && index < kCommonPropertyCount) return read_common_property(*t.window, t.index, index);

    ComponentObject* object = live_object(*t.window, t.index);
    if (!object) fail(kReadNotLoaded, window_id, component_id);
    const PropertyDescriptor* property = property_of(object->type(), index);
    const auto get = operation<GetPropertyOp>(object->type(), kOpGetProperty);
    ValueRecord value = {0, 0};
    if (!property || !get || !get(object, index - kCommonPropertyCount, &value)) return 0;

    const u32 code = property_code(*property);
    if (value_form(code) == ValueForm::Font) return read_font_value(font_of(value), sub);
    return from_component(code, value);
}

void write_property(u32 window_id, u32 component_id, i32 index, i32 sub, u32 lo, u32 hi) {
    if (is_menu_item_id(component_id)) return;
    const Target t = locate(window_id, component_id, kWriteNotLoaded);
    if (index >= 0 && index < kCommonPropertyCount) {
        write_common_property(*t.window, t.index, index, lo);
        return;
    }

    ComponentObject* object = live_object(*t.window, t.index);
    if (!object) fail(kWriteNotLoaded, window_id, component_id);
    const PropertyDescriptor* property = property_of(object->type(), index);
    const auto set = operation<SetPropertyOp>(object->type(), kOpSetProperty);
    if (!property || !set) return;

    const u32 code = property_code(*property);
    OutgoingValue value;
    if (value_form(code) == ValueForm::Font) {
        // A sub-property changes the font the component has now.
        const auto get = operation<GetPropertyOp>(object->type(), kOpGetProperty);
        ValueRecord current = {0, 0};
        if (!get || !get(object, index - kCommonPropertyCount, &current)) current = {0, 0};
        value.font = font_of(current);
        write_font_value(&value.font, sub, lo);
        value.record = {reinterpret_cast<u32>(&value.font), sizeof value.font};
    } else {
        to_component(code, lo, hi, &value);
    }
    const u32 rebuild = set(object, index - kCommonPropertyCount, &value.record, 0);
    if (rebuild == 1 && t.index > 0 && window_alive(*t.window)) rebuild_component(*t.window, t.index);
}

rt::u64 read_reference_property(u32 /*type_id*/, void* object, i32 index, i32 sub) {
    const auto* component = static_cast<const ComponentObject*>(object);
    return component ? read_property(component->window_id(), component->component_id(), index, sub) : 0;
}

void write_reference_property(u32 /*type_id*/, void* object, i32 index, i32 sub, u32 lo, u32 hi) {
    if (const auto* component = static_cast<const ComponentObject*>(object))
        write_property(component->window_id(), component->component_id(), index, sub, lo, hi);
}

}  // namespace forms
