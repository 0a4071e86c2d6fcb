// The component types of the core library, one descriptor each; every type lives in
// its own file with its interface function.
#pragma once
#include "forms/component_type.h"

namespace forms {

extern const rt::ComponentType kWindowType;  // 窗口, type 1
extern const rt::ComponentType kGroupBoxType;  // 分组框, type 9
extern const rt::ComponentType kLabelType;     // 标签, type 10
extern const rt::ComponentType kButtonType;    // 按钮, type 11
extern const rt::ComponentType kCheckBoxType;  // 选择框, type 12
extern const rt::ComponentType kRadioType;     // 单选框, type 13
extern const rt::ComponentType kDriveBoxType;  // 驱动器框, type 25

}  // namespace forms
