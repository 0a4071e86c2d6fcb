// Windows refuses to write a read-only file; Wine running with superuser rights does
// not, so the commands that replace file content honour the attribute themselves.
#pragma once
#include <windows.h>

namespace commands {

inline bool is_read_only_file(const char* name) {
    const DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace commands
