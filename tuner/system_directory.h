// The system directory, where the programs the tool starts are taken from.
#pragma once
#include "logic/entries.h"
#include "logic/values.h"

namespace tuner {

// The program runs elevated from a folder anyone may write to, and the platform looks
// in the program's folder and the current directory before the system's: system
// programs are named by their full path in this folder. Empty when it cannot be read
// or has a character with no GBK form.
logic::Text system_directory(logic::Site where);

}  // namespace tuner
