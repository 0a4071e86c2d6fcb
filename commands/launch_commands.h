// The program launch command.
#pragma once
#include "runtime/values.h"

namespace commands {

void run_program(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);

}  // namespace commands
