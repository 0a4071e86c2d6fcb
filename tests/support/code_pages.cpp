#include "tests/support/code_pages.h"

#include <windows.h>

namespace testing_support {
namespace {

constexpr UINT kGbk = 936;

std::wstring to_wide(UINT code_page, DWORD flags, const std::string& text, bool* ok) {
    *ok = true;
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(code_page, flags, text.data(), length, nullptr, 0);
    if (n <= 0) {
        *ok = false;
        return {};
    }
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(code_page, flags, text.data(), length, wide.data(), n);
    return wide;
}

std::string from_wide(UINT code_page, const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(code_page, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(code_page, 0, wide.data(), length, text.data(), n, nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring wide_from_gbk(const std::string& gbk) {
    bool ok = false;
    return to_wide(kGbk, 0, gbk, &ok);
}

std::string gbk_from_wide(const std::wstring& wide) { return from_wide(kGbk, wide); }

std::string utf8_from_wide(const std::wstring& wide) { return from_wide(CP_UTF8, wide); }

bool wide_from_utf8(const std::string& utf8, std::wstring* wide) {
    bool ok = false;
    *wide = to_wide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, &ok);
    return ok;
}

}  // namespace testing_support
