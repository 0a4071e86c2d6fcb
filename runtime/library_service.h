// The library service function: how support libraries and the runtime's own
// components call back into the runtime, by service code.
#pragma once
#include "runtime/values.h"

namespace rt {

enum ServiceCode : i32 {
    kSvcDefaultIcons = 1000,
    kSvcLoadedTemplates = 1001,
    kSvcComponentType = 1002,
    kSvcAddIdleCallback = 1012,
    kSvcRemoveIdleCallback = 1013,
    kSvcObjectGone = 2000,
    kSvcProgramDirectory = 2003,
    kSvcProgramFileName = 2004,
    kSvcComponentObject = 2006,
    kSvcComponentObjectRequired = 2007,
    kSvcRaiseEvent = 2008,
    kSvcBeginLoading = 2009,
    kSvcEndLoading = 2010,
    kSvcCurrentEventSource = 2017,
    kSvcProcessPendingMessages = 2018,
    kSvcAllocate = 2024,
    kSvcFree = 2025,
    kSvcReallocate = 2026,
    kSvcReportError = 2027,
    kSvcEndProgram = 2028,
};

u32 library_service(i32 code, u32 arg1, u32 arg2);

}  // namespace rt
