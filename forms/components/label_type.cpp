// The label type (标签): its property table and its interface function.
#include "forms/common_properties.h"
#include "forms/components/component_types.h"
#include "forms/components/label_object.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kLabelPropertyCount - kCommonPropertyCount>{{
    {"标题", "caption", nullptr, property_type(kCodeText), 0},
    {"效果", "effect", nullptr, property_type(kCodeChoice), 0},
    {"边框", "border", nullptr, property_type(kCodeChoice), 0},
    {"渐变边框宽度", "gradientBorderWidth", nullptr, property_type(kCodeInteger2), 0},
    {"渐变边框颜色1", "gradientBorderColor1", nullptr, property_type(kCodeColour), 0},
    {"渐变边框颜色2", "gradientBorderColor2", nullptr, property_type(kCodeColour), 0},
    {"渐变边框颜色3", "gradientBorderColor3", nullptr, property_type(kCodeColour), 0},
    {"字体", "font", nullptr, property_type(kCodeFont), 0},
    {"文本颜色", "textColor", nullptr, property_type(kCodeTextColour), 0},
    {"背景颜色", "backColor", nullptr, property_type(kCodeBackColour), 0},
    {"底图", "picture", nullptr, property_type(kCodePicture), 0},
    {"底图方式", "pictureMode", nullptr, property_type(kCodeChoice), 0},
    {"渐变背景方式", "gradientMode", nullptr, property_type(kCodeChoice), 0},
    {"渐变背景颜色1", "gradientColor1", nullptr, property_type(kCodeColour), 0},
    {"渐变背景颜色2", "gradientColor2", nullptr, property_type(kCodeColour), 0},
    {"渐变背景颜色3", "gradientColor3", nullptr, property_type(kCodeColour), 0},
    {"横向对齐方式", "alignment", nullptr, property_type(kCodeChoice), 0},
    {"是否自动折行", "wordWrap", nullptr, property_type(kCodeLogical), 0},
    {"纵向对齐方式", "verticalAlignment", nullptr, property_type(kCodeChoice), 0},
    {"数据源", "dataSource", nullptr, property_type(kCodeDataSource), 0},
    {"数据列", "dataColumn", nullptr, property_type(kCodeDataColumn), 0},
}});
static_assert(kProperties.size() == kLabelPropertyCount);

using Operations = TypeOperations<LabelObject, kLabelLayout>;

Operation0 label_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_label));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kLabelType = {
    "标签", "Label", {0, 0, 0}, 0x84012040, {0, 0, 0}, kLabelPropertyCount, kProperties.data(), label_interface, {0, 0},
};

}  // namespace forms
