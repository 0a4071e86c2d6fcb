#include "tests/support/change_record_tail.h"

#include <windows.h>
#include <shlobj.h>

#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

bool has_time(const std::string& line) {
    const char* shape = "dddd-dd-dd dd:dd:dd\t";
    if (line.size() < 20) return false;
    for (size_t i = 0; i < 20; ++i)
        if (shape[i] == 'd' ? !(line[i] >= '0' && line[i] <= '9') : line[i] != shape[i]) return false;
    return true;
}

}  // namespace

std::string ChangeRecordTail::path() {
    char base[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, base);
    return std::string(base) + "\\Trivane\\changes.log";
}

ChangeRecordTail::ChangeRecordTail() {
    start_ = read_whole_file(path()).size();
    if (start_ > 512 * 1024 && DeleteFileA(path().c_str())) start_ = 0;
}

std::vector<std::string> ChangeRecordTail::lines_with(const std::string& needle) const {
    const std::string record = read_whole_file(path());
    std::vector<std::string> lines;
    // A record that shrank was renamed away and begun anew since.
    for (size_t at = record.size() >= start_ ? start_ : 0, end; at < record.size(); at = end + 2) {
        end = record.find("\r\n", at);
        if (end == std::string::npos) end = record.size();
        const std::string line = record.substr(at, end - at);
        if (line.find(needle) == std::string::npos) continue;
        lines.push_back(has_time(line) ? line.substr(20) : "bad time: " + line);
    }
    return lines;
}

}  // namespace testing_support
