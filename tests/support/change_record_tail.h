// The lines the tool appends to the change record of this prefix's user while a test
// runs. Every test program of the prefix shares that record, and they run side by side,
// so a test looks only at lines appended after it started that name its own files.
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
    std::vector<std::string> lines_with(const std::string& needle) const;

    // %LOCALAPPDATA%\Trivane\changes.log of this prefix.
    static std::string path();

private:
    size_t start_ = 0;
};

}  // namespace testing_support
