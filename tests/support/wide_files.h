// Files and folders made and checked by their UTF-16 names, for names a code page can
// spoil: double-byte GBK names, one whose second byte is a backslash, names GBK cannot
// hold. The test writes each name twice, as the program's GBK text and as the UTF-16
// the platform must see, so the two are checked against each other, not against a
// conversion under test.
#pragma once
#include <string>

namespace testing_support {

// A fresh folder under the temporary directory, removed with everything in it (by
// UTF-16 names, which no code page spoils) when the owner goes out of scope.
class WideTempDir {
public:
    WideTempDir();
    ~WideTempDir();
    WideTempDir(const WideTempDir&) = delete;
    WideTempDir& operator=(const WideTempDir&) = delete;

    // The folder as the program names it, and `relative` below it as the platform does.
    const std::string& gbk() const { return gbk_; }
    std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

    // Writes `content` to the file `relative`, making the folders on its way.
    void write(const std::wstring& relative, const std::string& content) const;
    bool exists(const std::wstring& relative) const;
    // The whole file, or "(missing)" when it cannot be opened.
    std::string read(const std::wstring& relative) const;

private:
    std::wstring path_;
    std::string gbk_;
};

}  // namespace testing_support
