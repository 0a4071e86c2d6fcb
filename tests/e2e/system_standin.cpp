#include "tests/e2e/system_standin.h"

#include <windows.h>

#include "tests/e2e/sample_client.h"

namespace e2e {

std::string system_directory() {
    char buffer[MAX_PATH];
    const UINT n = GetSystemDirectoryA(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}

SystemStandIn::SystemStandIn(const std::string& standin, const char* name)
    : path_(system_directory() + "\\" + name) {
    // A copy of the stand-in itself is what an interrupted run left behind: replaced,
    // not kept to be put back.
    const bool leftover = file_exists(path_) && read_file(path_) == read_file(standin);
    if (!leftover && GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES) {
        saved_ = path_ + ".trivane-saved";
        if (!MoveFileExA(path_.c_str(), saved_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            saved_.clear();
            return;  // the system's own stays; the test sees nothing installed
        }
    }
    installed_ = CopyFileA(standin.c_str(), path_.c_str(), FALSE) != FALSE;
}

SystemStandIn::~SystemStandIn() {
    if (installed_) DeleteFileA(path_.c_str());
    if (!saved_.empty()) MoveFileExA(saved_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace e2e
