#include "forms/components/core_types.h"

#include "forms/components/component_types.h"

namespace forms {
namespace {

const rt::ComponentType* const kCoreTypes[kCoreTypeCount] = {
    &kWindowType,  // 1 窗口
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 2 to 8: not in this runtime
    &kGroupBoxType,  // 9 分组框
    &kLabelType,     // 10 标签
    &kButtonType,    // 11 按钮
    &kCheckBoxType,  // 12 选择框
    &kRadioType,     // 13 单选框
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 14 to 19: not in this runtime
    nullptr, nullptr, nullptr, nullptr, nullptr,           // 20 to 24: not in this runtime
    &kDriveBoxType,  // 25 驱动器框
};

}  // namespace

const rt::ComponentType* const* core_component_types() { return kCoreTypes; }

}  // namespace forms
