// Listing the drives asks the mount manager about each one: some twenty round trips
// to the window server per drive, nearly all of it waiting. A program whose first
// window shows a drive box starts that listing on a thread of its own before it
// builds the window; the box's first fill takes the result instead of asking again.
#pragma once
#include <vector>

#include "forms/components/drive_box_list.h"

namespace forms {

// Starts reading every drive on a thread of its own; once per process.
void read_drives_ahead();

// The drives read ahead, once: waits for the reading to end. False when none was
// started, it was taken already, or its thread could not run.
bool take_drives_read_ahead(std::vector<DriveFacts>* drives);

}  // namespace forms
