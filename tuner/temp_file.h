// Our temporary files beside the files we change: a new copy being written, or the
// old file moved aside while the new one takes its place. Their names mark them as
// ours, so a later run finds and clears what an abrupt end left behind.
#pragma once
#include "logic/values.h"
#include "tuner/file_constants.h"

namespace tuner {

// The folder of `path` with its closing backslash, or ".\" for a bare name.
logic::Text folder_of(const char* path);

// A new, empty file in `folder` (ending in a backslash), open for writing, its name
// in `name`. The open itself makes it (CREATE_NEW), so a name planted in the
// meantime, such as a link to a file elsewhere, is never written through. An invalid
// handle, with the platform's code in `error`, when none could be made.
rt::u32 create_temp_file(const char* folder, char (&name)[kMaxPath], rt::u32& error);

// A name in the folder of `target` for the old file while the new one takes its place,
// reserved as an empty file. It names the target, so that a run ended between moving
// the target aside and putting the new file in puts the old one back next time.
bool reserve_aside_name(const char* target, char (&name)[kMaxPath], rt::u32& error);

// Clears what earlier runs left in `folder` (ending in a backslash): our temporary
// files whose program no longer runs are deleted, and an aside copy whose target is
// gone goes back in its place. Only regular files are touched, never links.
void clear_leftovers(const char* folder);

}  // namespace tuner
