#include "runtime/platform_text.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace rt {
namespace {

// The conversions count first, then fill; lengths past INT_MAX cannot occur for
// the texts the program makes (its lengths are 32-bit words).
int as_int(std::size_t length) { return static_cast<int>(length); }

std::string narrow(unsigned code_page, const wchar_t* text, std::size_t length, BOOL* used_default) {
    std::string out;
    if (!text || length == 0) return out;
    // The default-character report exists only for code pages other than UTF-8; and
    // without "no best fit" the platform turns â into a and says nothing: a near name
    // could then be taken for another file.
    const DWORD flags = code_page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int needed = WideCharToMultiByte(code_page, flags, text, as_int(length), nullptr, 0, nullptr,
                                           used_default);
    if (needed <= 0) return out;
    out.resize(static_cast<std::size_t>(needed));
    WideCharToMultiByte(code_page, flags, text, as_int(length), &out[0], needed, nullptr, used_default);
    return out;
}

}  // namespace

std::wstring to_platform(const char* text) { return to_platform(text, text ? std::strlen(text) : 0); }

std::wstring to_platform(const char* text, std::size_t length) {
    std::wstring out;
    if (!text || length == 0) return out;
    const int needed = MultiByteToWideChar(kProgramCodePage, 0, text, as_int(length), nullptr, 0);
    if (needed <= 0) return out;
    out.resize(static_cast<std::size_t>(needed));
    MultiByteToWideChar(kProgramCodePage, 0, text, as_int(length), &out[0], needed);
    return out;
}

std::string from_platform(const wchar_t* text) { return from_platform(text, text ? std::wcslen(text) : 0); }

std::string from_platform(const wchar_t* text, std::size_t length) {
    return narrow(kProgramCodePage, text, length, nullptr);
}

bool from_platform_exact(const wchar_t* text, std::string& gbk) {
    BOOL used_default = FALSE;
    gbk = narrow(kProgramCodePage, text, text ? std::wcslen(text) : 0, &used_default);
    if (used_default) gbk.clear();
    return !used_default;
}

std::string utf8_from_platform(const wchar_t* text, std::size_t length) {
    return narrow(CP_UTF8, text, length, nullptr);
}

}  // namespace rt
