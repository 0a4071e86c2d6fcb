// The window type (窗口): its property table and its interface function.
#include "forms/common_properties.h"
#include "forms/components/component_types.h"
#include "forms/components/type_operations.h"
#include "forms/components/window_object.h"

namespace forms {
namespace {

constexpr auto kProperties = with_common_properties(std::array<PropertyDescriptor, kWindowPropertyCount - kCommonPropertyCount>{{
    {"标题", "caption", nullptr, property_type(kCodeText), 0},
    {"边框", "border", nullptr, property_type(kCodeChoice), 0},
    {"底色", "backColor", nullptr, property_type(kCodeBackColour), 0},
    {"底图", "picture", nullptr, property_type(kCodePicture), 0},
    {"底图方式", "pictureMode", nullptr, property_type(kCodeChoice), 0},
    {"背景音乐", "music", nullptr, property_type(kCodeSound), 0},
    {"播放次数", "playMode", nullptr, property_type(kCodeChoice), 0},
    {"控制按钮", "controlBox", nullptr, property_type(kCodeLogical), 0},
    {"最大化按钮", "maxButton", nullptr, property_type(kCodeLogical), 0},
    {"最小化按钮", "minButton", nullptr, property_type(kCodeLogical), 0},
    {"位置", "startPosition", nullptr, property_type(kCodeChoice), 0},
    {"可否移动", "movable", nullptr, property_type(kCodeLogical), 0},
    {"图标", "icon", nullptr, property_type(kCodeIcon), 0},
    {"回车下移焦点", "enterMovesFocus", nullptr, property_type(kCodeLogical), 0},
    {"Esc键关闭", "escapeCloses", nullptr, property_type(kCodeLogical), 0},
    {"F1键打开帮助", "f1Help", nullptr, property_type(kCodeLogical), 0},
    {"帮助文件名", "helpFile", nullptr, property_type(kCodeFileName), 0},
    {"帮助标志值", "helpContext", nullptr, property_type(kCodeInteger2), 0},
    {"在任务条中显示", "showInTaskbar", nullptr, property_type(kCodeLogical), 0},
    {"随意移动", "dragByComponents", nullptr, property_type(kCodeLogical), 0},
    {"外形", "shape", nullptr, property_type(kCodeChoice), 0},
    {"总在最前", "topmost", nullptr, property_type(kCodeLogical), 0},
    {"保持标题条激活", "titleAlwaysActive", nullptr, property_type(kCodeLogical), 0},
    {"窗口类名", "className", nullptr, property_type(kCodeText), 0},
}});
static_assert(kProperties.size() == kWindowPropertyCount);

using Operations = TypeOperations<WindowObject, kWindowTable>;

Operation0 window_interface(i32 op) {
    switch (op) {
    case kOpCreate: return as_operation(static_cast<CreateOp>(create_window_component));
    default: return Operations::operation(op);
    }
}

}  // namespace

const rt::ComponentType kWindowType = {
    "窗口", "window", {0, 0, 0}, 0x800000D0, {0, 0, 0}, kWindowPropertyCount, kProperties.data(), window_interface, {0, 0},
};

}  // namespace forms
