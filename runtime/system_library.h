// Libraries of the system, loaded from the system directory only. The program runs
// elevated, often from a folder anyone can write to: a file planted there under a
// library's name must never be loaded in its place.
#pragma once
#include <windows.h>

#include <string>

namespace rt {

// The system directory without a trailing backslash, or empty text when unknown (or
// when GBK cannot hold its name).
std::string system_directory();

// True where LoadLibraryEx takes the search flags (AddDllDirectory came with them);
// unpatched older systems reject the flags.
bool library_search_flags_available();

// How a library of the system is found: by the search flag, or by its full path with
// the libraries it pulls in searched from that same folder.
enum class SystemLoad { SearchFlag, FullPath };

// Loads `name` (a bare file name) from the system directory only: the search flag
// where the platform has it, else the full path. Null when it is missing.
HMODULE load_system_library(const char* name);
HMODULE load_system_library(const char* name, SystemLoad how);

// At start-up: libraries loaded later by bare name, by us or by the platform on our
// behalf, come from the system directory only. Does nothing where the flags are
// unknown. True when the restriction is in force.
bool restrict_library_search();

// The entry `entry` of the system library `library`, loaded on first use and kept for
// the life of the process (as the platform keeps a library the image imports). Null
// when the library or the entry is missing: the caller goes without.
void* system_function_address(const char* library, const char* entry);

template <typename Function>
Function system_function(const char* library, const char* entry) {
    return reinterpret_cast<Function>(system_function_address(library, entry));
}

}  // namespace rt
