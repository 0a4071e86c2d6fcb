// Byte set and conversion commands.
#pragma once
#include "runtime/values.h"

namespace commands {

void to_text(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void to_byte_set(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void blank_byte_set(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void byte_set_length(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void pointer_to_byte_set(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void get_byte_set_data(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void to_integer(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void integer_divide(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);

}  // namespace commands
