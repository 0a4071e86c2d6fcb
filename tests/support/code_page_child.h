// Child scenarios run with the code page of an English Windows. On the test machine's
// code page 936 a GBK text handed to an ...A function passes unnoticed; in a Wine
// process started with the Unix locale C.UTF-8 the code page is 1252, and there the
// same text arrives as other characters.
#pragma once
#include <windows.h>

#include <string>

#include "tests/support/child_process.h"

namespace testing_support {

// The Unix locales that give a Wine process the code pages 936 and 1252.
inline constexpr char kChineseLocale[] = "zh_CN.UTF-8";
inline constexpr char kWesternLocale[] = "C.UTF-8";

// Starts this executable for `scenario` with the Unix locale `locale` and waits (at
// most `timeout_ms`) for its report, which the scenario makes with
// report_with_code_page. The report, "(unfinished)" at its end when it never came whole.
std::string run_child_in_locale(const char* scenario, const char* locale, DWORD timeout_ms = 20000);
// The same, started from `program`, a copy of this executable.
std::string run_child_in_locale(const std::wstring& program, const char* scenario, const char* locale,
                                DWORD timeout_ms = 20000);

// This executable, as the platform names it.
std::wstring this_program();

// In the child: reports the code page it runs in ("code page <n>" on a line of its
// own), then `text`, all at once.
void report_with_code_page(const std::string& text);

}  // namespace testing_support
