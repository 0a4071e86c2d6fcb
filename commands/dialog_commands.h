// The commands that deal with the user and the message queue.
#pragma once
#include "runtime/values.h"

namespace commands {

void message_box(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void delay(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void process_events(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);

}  // namespace commands
