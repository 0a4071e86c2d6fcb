// The file and directory commands: thin layers over the platform's file functions.
#pragma once
#include "runtime/values.h"

namespace commands {

void file_exists(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void delete_file(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void move_file(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void write_to_file(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);
void program_directory(rt::ResultRecord* result, rt::i32 count, rt::ArgRecord* args);

}  // namespace commands
