// Texts between the encodings the tests meet: the program's own texts in GBK (code
// page 936, whatever the system's code page), the platform's UTF-16 and the change
// record's UTF-8.
#pragma once
#include <string>

namespace testing_support {

std::wstring wide_from_gbk(const std::string& gbk);
// Characters GBK cannot hold become '?'.
std::string gbk_from_wide(const std::wstring& wide);
std::string utf8_from_wide(const std::wstring& wide);
// False (and `wide` left empty) when `utf8` is not well-formed UTF-8.
bool wide_from_utf8(const std::string& utf8, std::wstring* wide);

}  // namespace testing_support
