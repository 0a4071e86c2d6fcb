// The identifiers of the tool's window: the window, its records and the slots of
// its handler table. Written by tools/template_builder.py from
// data/main_window.template.json: change them there and run it again.
#pragma once
#include "runtime/values.h"

namespace tuner {

inline constexpr rt::u32 kMainWindowId = 0x52010001;

enum Component : rt::u32 {
    kWindowItself = 0x06010000,  // window
    kRestoreButton = 0x16015F7B,  // 超级按钮1
    kPowerBox = 0x16015F43,  // 选择框_电源
    kSelectAllBox = 0x16015F42,  // 选择框_ALL
    kLogBox = 0x16015F40,  // 选择框_log
    kCrossBox = 0x16015F3F,  // 选择框_Cross
    kDx11Box = 0x16015F3E,  // 选择框_DX11
    kHomeRestoreButton = 0x16015F39,  // 按钮3
    kResultLabel = 0x16015F38,  // 标签4
    kPromptLabel = 0x16015F00,  // 标签3
    kDriveBox = 0x16015EF4,  // 驱动器框2
    kDriveLabel = 0x16015EF3,  // 标签1
    kPublisherRadio = 0x16015ECB,  // 单选框2
    kBlankRadio = 0x16015ECA,  // 单选框1
    kHomeReplaceButton = 0x16012F52,  // 按钮2
    kHomeGroup = 0x16012F50,  // 分组框2
    kOptimizeButton = 0x16012F4C,  // 按钮1
    kOptimizeGroup = 0x16010002,  // 分组框1
};

enum Handler : rt::i32 {
    kHandlerWindowCreated = 0,  // window event 0
    kHandlerWindowDestroy = 1,  // window event 2
    kHandlerDx11Restore = 2,  // 超级按钮1 event 0
    kHandlerSelectAll = 3,  // 选择框_ALL event 0
    kHandlerDriveChanged = 4,  // 驱动器框2 event 0
    kHandlerHomePageRestore = 5,  // 按钮3 event 0
    kHandlerHomePageReplace = 6,  // 按钮2 event 0
    kHandlerOptimize = 7,  // 按钮1 event 0
    kHandlerCount = 8,
};

}  // namespace tuner
