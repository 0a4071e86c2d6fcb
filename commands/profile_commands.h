// The configuration-file command: one item, one deleted item or one deleted section
// of a private profile file.
#pragma once
#include "runtime/values.h"

namespace commands {

void write_configuration_item(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);

}  // namespace commands
