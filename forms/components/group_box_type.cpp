// The group box type (分组框): its property table and its interface function.
#include "forms/common_properties.h"
#include "forms/components/component_types.h"
#include "forms/components/group_box_object.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kGroupPropertyCount - 8>{{
    {"标题", "caption", nullptr, property_type(kCodeText), 0},
    {"标题对齐方式", "alignment", nullptr, property_type(kCodeChoice), 0},
    {"标题颜色", "captionColor", nullptr, property_type(kCodeTextColour), 0},
    {"背景颜色", "backColor", nullptr, property_type(kCodeBackColour), 0},
    {"字体", "font", nullptr, property_type(kCodeFont), 0},
}});
static_assert(kProperties.size() == kGroupPropertyCount);

void enumerate_texts(ComponentObject* object, const std::uint8_t* data, u32 length, TextCallback callback,
                     void* context) {
    enumerate_block_texts(kGroupBoxLayout, object, data, length, callback, context);
}

Operation0 group_box_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_group_box));
    case kOpEnumerateTexts: return as_operation(static_cast<EnumerateTextsOp>(enumerate_texts));
    default: return shared_block_operation(op);
    }
}

}  // namespace

const rt::ComponentType kGroupBoxType = {
    "分组框", "GroupBox", {0, 0, 0}, 0x840140C0, {0, 0, 0}, kGroupPropertyCount, kProperties.data(),
    group_box_interface, {0, 0},
};

}  // namespace forms
