// The text commands. Texts are ANSI bytes of the system's code page; lengths and
// positions count bytes, positions from 1.
#pragma once
#include "runtime/values.h"

namespace commands {

void text_length(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void left_text(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void right_text(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void blank_text(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void to_upper_case(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void find_text(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void find_text_backwards(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void compare_text(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void split_text(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);

}  // namespace commands
