// A support library's link back to the runtime: the library service function it
// receives with notification 1 and uses for every service call after that.
#pragma once
#include "runtime/startup_record.h"

namespace rt {

class LibraryLink {
public:
    // The library's answer to a notification from the runtime.
    i32 notify(i32 code, u32 arg1, u32 /*arg2*/) {
        switch (code) {
        case kNotifyInit: service_ = reinterpret_cast<ServiceFn>(arg1); return 0;
        case kNotifyEnd: service_ = nullptr; return 0;
        default: return kNotifyUnhandled;
        }
    }
    bool linked() const { return service_ != nullptr; }
    u32 call(i32 code, u32 arg1 = 0, u32 arg2 = 0) const { return service_(code, arg1, arg2); }

private:
    ServiceFn service_ = nullptr;
};

}  // namespace rt
