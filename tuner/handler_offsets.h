// The tool's handler table: the code base the window template's event bindings are
// relative to. A binding stores the byte offset of its handler's slot in the table.
#pragma once
#include "runtime/values.h"

namespace tuner {

enum Handler : rt::i32 {
    kHandlerWindowCreated = 0,  // does nothing
    kHandlerWindowDestroy = 1,
    kHandlerDx11Restore = 2,     // 超级按钮1 click
    kHandlerSelectAll = 3,       // 选择框_ALL click
    kHandlerDriveChanged = 4,    // 驱动器框2 drive changed
    kHandlerHomePageRestore = 5, // 按钮3 click
    kHandlerHomePageReplace = 6, // 按钮2 click
    kHandlerOptimize = 7,        // 按钮1 click
    kHandlerCount = 8,
};

constexpr rt::i32 handler_offset(Handler h) { return h * static_cast<rt::i32>(sizeof(void*)); }

}  // namespace tuner
