#include "tests/support/change_record_tail.h"

#include <windows.h>
#include <shlobj.h>

#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

const std::string kMark = "\xEF\xBB\xBF";

bool has_time(const std::wstring& line) {
    const wchar_t* shape = L"dddd-dd-dd dd:dd:dd\t";
    if (line.size() < 20) return false;
    for (size_t i = 0; i < 20; ++i)
        if (shape[i] == L'd' ? !(line[i] >= L'0' && line[i] <= L'9') : line[i] != shape[i]) return false;
    return true;
}

// Strict UTF-8 to UTF-16: false for bytes that are not UTF-8.
bool from_utf8(const std::string& bytes, std::wstring& text) {
    text.clear();
    if (bytes.empty()) return true;
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, 0);
    if (n <= 0) return false;
    text.resize(n);
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), &text[0], n);
    return true;
}

std::wstring from_gbk(const std::string& bytes) {
    std::wstring text(bytes.size() + 1, L'\0');
    const int n = MultiByteToWideChar(936, 0, bytes.c_str(), -1, &text[0], static_cast<int>(text.size()));
    text.resize(n > 0 ? n - 1 : 0);
    return text;
}

std::string to_gbk(const std::wstring& text) {
    std::string bytes(text.size() * 2 + 1, '\0');
    const int n = WideCharToMultiByte(936, 0, text.c_str(), -1, &bytes[0], static_cast<int>(bytes.size()), nullptr,
                                      nullptr);
    bytes.resize(n > 0 ? n - 1 : 0);
    return bytes;
}

}  // namespace

std::string ChangeRecordTail::path() {
    char base[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, base);
    return std::string(base) + "\\Trivane\\changes.log";
}

bool ChangeRecordTail::decode(const std::string& bytes, std::wstring& text) {
    if (bytes.compare(0, kMark.size(), kMark) != 0) return false;
    return from_utf8(bytes.substr(kMark.size()), text);
}

ChangeRecordTail::ChangeRecordTail() {
    const std::string record = read_whole_file(path());
    start_ = record.size();
    // A record of the earlier encoding would be moved aside under the test's feet.
    const bool earlier = !record.empty() && record.compare(0, kMark.size(), kMark) != 0;
    if ((start_ > 512 * 1024 || earlier) && DeleteFileA(path().c_str())) start_ = 0;
}

std::vector<std::wstring> ChangeRecordTail::wide_lines_with(const std::wstring& needle) const {
    const std::string record = read_whole_file(path());
    const bool marked = record.empty() || record.compare(0, kMark.size(), kMark) == 0;
    std::vector<std::wstring> lines;
    // A record that shrank was renamed away and begun anew since.
    size_t at = record.size() >= start_ ? start_ : 0;
    if (at == 0 && marked) at = kMark.size();
    for (size_t end; at < record.size(); at = end + 2) {
        end = record.find("\r\n", at);
        if (end == std::string::npos) end = record.size();
        const std::string bytes = record.substr(at, end - at);
        std::wstring line;
        if (!from_utf8(bytes, line)) line = L"not UTF-8: " + from_gbk(bytes);
        if (line.find(needle) == std::wstring::npos) continue;
        if (!marked)
            line = L"no mark: " + line;
        else if (line.compare(0, 11, L"not UTF-8: ") != 0)
            line = has_time(line) ? line.substr(20) : L"bad time: " + line;
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ChangeRecordTail::lines_with(const std::string& needle) const {
    std::vector<std::string> lines;
    for (const std::wstring& line : wide_lines_with(from_gbk(needle))) lines.push_back(to_gbk(line));
    return lines;
}

}  // namespace testing_support
