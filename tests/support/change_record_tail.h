// The lines the tool appends to the change record of this prefix's user while a test
// runs. Every test program of the prefix shares that record, and they run side by side,
// so a test looks only at lines appended after it started that name its own files.
// A record written in UTF-8 (with its byte-order mark) and one written in GBK read
// alike: each line is taken as UTF-8 when it is well-formed UTF-8, else as GBK.
#pragma once
#include <string>
#include <vector>

namespace testing_support {

class ChangeRecordTail {
public:
    // Remembers where the record ends now (a large record is removed first, so that
    // the tool does not rotate it while a test reads it).
    ChangeRecordTail();

    // The lines appended since then that contain `needle`, in order, each without its
    // time; a line whose time is not YYYY-MM-DD HH:MM:SS comes back whole after "bad time: ".
    // The needle may be GBK or UTF-8 (taken as UTF-8 when it is well-formed UTF-8 with
    // some character beyond ASCII); the lines come back in the needle's encoding.
    std::vector<std::string> lines_with(const std::string& needle) const;
    // The same in UTF-16, for names GBK cannot hold (a file named in Korean, an emoji).
    std::vector<std::wstring> wide_lines_with(const std::wstring& needle) const;

    // %LOCALAPPDATA%\Trivane\changes.log of this prefix.
    static std::string path();

private:
    size_t start_ = 0;
};

}  // namespace testing_support
