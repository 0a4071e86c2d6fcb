// The half-width forms of the GBK code page's full-width digits, letters and signs,
// as to integer reads them.
#pragma once
#include <string>

namespace commands {

// Maps each full-width character to its single-byte form; every other character
// (single- or double-byte) is kept as it is.
std::string to_half_width(const char* text);

}  // namespace commands
