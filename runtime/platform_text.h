// The program's texts are GBK bytes whatever code page the system runs in (an
// English Windows reads …A arguments as 1252, the "UTF-8 for worldwide language
// support" option as 65001). So every text crosses to the platform as UTF-16 through
// the wide functions, converted here with code page 936, and comes back the same way.
#pragma once
#include <cstddef>
#include <string>

namespace rt {

// The code page the program's texts are written in.
constexpr unsigned kProgramCodePage = 936;

// A GBK text as UTF-16. A null text gives an empty string; bytes that are no GBK
// character become U+FFFD, as the platform itself would show them.
std::wstring to_platform(const char* text);
std::wstring to_platform(const char* text, std::size_t length);
inline std::wstring to_platform(const std::string& text) { return to_platform(text.data(), text.size()); }

// A platform text back in GBK. Characters GBK cannot hold become '?', which no file
// or folder name contains: use `from_platform_exact` where the text names a file.
std::string from_platform(const wchar_t* text);
std::string from_platform(const wchar_t* text, std::size_t length);

// Only an exact conversion: false (and `gbk` left empty) when a character has no
// GBK form, so a name the program cannot write back is never taken for another.
bool from_platform_exact(const wchar_t* text, std::string& gbk);

// A platform text as UTF-8, for files we write that every Windows reads alike.
std::string utf8_from_platform(const wchar_t* text, std::size_t length);

}  // namespace rt
