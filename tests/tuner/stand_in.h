// Puts a stand-in function in a DLL command's slot, so a test controls what the
// platform answers.
#pragma once
#include "runtime/application.h"
#include "tuner/dll_commands.h"

namespace tuner_tests {

// The DLL command calls `function` instead while the object lives.
class StandIn {
public:
    StandIn(tuner::DllCommand command, void* function) : command_(command), saved_(rt::app().dll.addresses[command]) {
        rt::app().dll.addresses[command] = function;
    }
    ~StandIn() { rt::app().dll.addresses[command_] = saved_; }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

private:
    tuner::DllCommand command_;
    void* saved_;
};

}  // namespace tuner_tests
