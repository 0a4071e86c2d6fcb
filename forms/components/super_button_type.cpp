// The super button type (超级按钮): its property table and its interface function.
#include "forms/components/super_button_type.h"

#include <array>

#include "forms/common_properties.h"
#include "forms/components/super_button_object.h"
#include "forms/components/type_operations.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kSuperPropertyCount - kCommonPropertyCount>{{
    {"风格", "Style", nullptr, property_type(kCodeChoice), 0},
    {"复选按钮", "Toggle", nullptr, property_type(kCodeLogical), 0},
    {"选中", "Checked", nullptr, property_type(kCodeLogical), 0},
    {"对齐方式", "Align", nullptr, property_type(kCodeChoice), 0},
    {"按下偏移", "PressOffset", nullptr, property_type(kCodeChoice), 0},
    {"热点边框", "HoverBorder", nullptr, property_type(kCodeLogical), 0},
    {"焦点框", "FocusRect", nullptr, property_type(kCodeLogical), 0},
    {"正常图片", "Picture", nullptr, property_type(kCodePicture), 0},
    {"正常图片透明色", "PictureMaskColor", nullptr, property_type(kCodeBackColour), 0},
    {"热点图片", "HotPicture", nullptr, property_type(kCodePicture), 0},
    {"热点图片透明色", "HotPictureMaskColor", nullptr, property_type(kCodeBackColour), 0},
    {"禁止图片", "DisabledPicture", nullptr, property_type(kCodePicture), 0},
    {"禁止图片透明色", "DisabledPictureMaskColor", nullptr, property_type(kCodeBackColour), 0},
    {"字体", "Font", nullptr, property_type(kCodeFont), 0},
    {"标题", "Caption", nullptr, property_type(kCodeText), 0},
    {"使用系统颜色", "SystemColors", nullptr, property_type(kCodeLogical), 0},
    {"正常文本颜色", "ForeColor", nullptr, property_type(kCodeTextColour), 0},
    {"正常背景颜色", "BackColor", nullptr, property_type(kCodeBackColour), 0},
    {"热点文本颜色", "HotForeColor", nullptr, property_type(kCodeTextColour), 0},
    {"热点背景颜色", "HotBackColor", nullptr, property_type(kCodeBackColour), 0},
    {"焦点文本颜色", "FocusForeColor", nullptr, property_type(kCodeTextColour), 0},
    {"焦点背景颜色", "FocusBackColor", nullptr, property_type(kCodeBackColour), 0},
    {"内置点击声音", "BuiltinSound", nullptr, property_type(kCodeLogical), 0},
    {"热点声音", "HotSound", nullptr, property_type(kCodeSound), 0},
    {"点击声音", "ClickSound", nullptr, property_type(kCodeSound), 0},
    {"提示文本", "ToolTip", nullptr, property_type(kCodeText), 0},
    {"默认按钮", "Default", nullptr, property_type(kCodeChoice), 0},
}});
static_assert(kProperties.size() == kSuperPropertyCount);

using Operations = TypeOperations<SuperButtonObject, kSuperButtonTable>;

bool is_default_button(ComponentObject* object) {
    const auto* button = dynamic_cast<const SuperButtonObject*>(object);
    return button && button->is_default_button();
}

Operation0 super_button_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_super_button));
    case kOpIsDefaultButton: return as_operation(static_cast<IsDefaultButtonOp>(is_default_button));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kSuperButtonType = {
    "超级按钮", "SuperBtn", {0, 0, 0}, 0x00000840, {0, 0, 0}, kSuperPropertyCount, kProperties.data(),
    super_button_interface, {0, 0},
};

}  // namespace forms
