#include "tests/support/change_record_tail.h"

#include <windows.h>
#include <shlobj.h>

#include "tests/support/code_pages.h"
#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool has_time(const std::wstring& line) {
    const wchar_t* shape = L"dddd-dd-dd dd:dd:dd\t";
    if (line.size() < 20) return false;
    for (size_t i = 0; i < 20; ++i)
        if (shape[i] == L'd' ? !(line[i] >= L'0' && line[i] <= L'9') : line[i] != shape[i]) return false;
    return true;
}

std::wstring decoded(const std::string& line) {
    std::wstring wide;
    return wide_from_utf8(line, &wide) ? wide : wide_from_gbk(line);
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

std::vector<std::wstring> ChangeRecordTail::wide_lines_with(const std::wstring& needle) const {
    const std::string record = read_whole_file(path());
    std::vector<std::wstring> lines;
    // A record that shrank was renamed away and begun anew since.
    size_t at = record.size() >= start_ ? start_ : 0;
    if (at == 0 && record.compare(0, 3, kUtf8Mark) == 0) at = 3;
    for (size_t end; at < record.size(); at = end + 2) {
        end = record.find("\r\n", at);
        if (end == std::string::npos) end = record.size();
        const std::wstring line = decoded(record.substr(at, end - at));
        if (line.find(needle) == std::wstring::npos) continue;
        lines.push_back(has_time(line) ? line.substr(20) : L"bad time: " + line);
    }
    return lines;
}

std::vector<std::string> ChangeRecordTail::lines_with(const std::string& needle) const {
    std::wstring wide;
    bool beyond_ascii = false;
    for (char c : needle) beyond_ascii = beyond_ascii || (c & 0x80) != 0;
    const bool utf8 = beyond_ascii && wide_from_utf8(needle, &wide);
    if (!utf8) wide = wide_from_gbk(needle);
    std::vector<std::string> lines;
    for (const std::wstring& line : wide_lines_with(wide))
        lines.push_back(utf8 ? utf8_from_wide(line) : gbk_from_wide(line));
    return lines;
}

}  // namespace testing_support
