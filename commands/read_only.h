// Windows refuses to write a read-only file; Wine running with superuser rights does
// not, so the commands that replace file content honour the attribute themselves.
#pragma once
#include <windows.h>

#include <string>

namespace commands {

// `name` as the platform names it (converted from GBK once by the caller, which goes
// on to open the same name).
inline bool is_read_only_file(const std::wstring& name) {
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace commands
