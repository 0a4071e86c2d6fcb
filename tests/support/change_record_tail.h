// The lines the tool appends to the change record of this prefix's user while a test
// runs. Every test program of the prefix shares that record, and they run side by side,
// so a test looks only at lines appended after it started that name its own files.
// The record is UTF-8 behind a byte-order mark; lines are read back decoded.
#pragma once
#include <string>
#include <vector>

namespace testing_support {

class ChangeRecordTail {
public:
    // Remembers where the record ends now (a large record, or one of the earlier
    // encoding, is removed first, so that the tool does not move it aside while a
    // test reads it).
    ChangeRecordTail();

    // The lines appended since then that contain `needle`, in order, each without its
    // time and in GBK ('?' for what GBK lacks); a line whose time is not
    // YYYY-MM-DD HH:MM:SS comes back whole after "bad time: ", one that is not UTF-8
    // after "not UTF-8: ", and every line of a record without the mark after "no mark: ".
    std::vector<std::string> lines_with(const std::string& needle) const;
    // The same in UTF-16, for names GBK cannot hold.
    std::vector<std::wstring> wide_lines_with(const std::wstring& needle) const;

    // %LOCALAPPDATA%\Trivane\changes.log of this prefix.
    static std::string path();

    // A record's bytes read as text: the mark checked and dropped, UTF-8 decoded to
    // UTF-16 (empty when the bytes are not UTF-8 behind the mark).
    static bool decode(const std::string& bytes, std::wstring& text);

private:
    size_t start_ = 0;
};

}  // namespace testing_support
