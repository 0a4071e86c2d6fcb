// A fresh folder under the temporary directory, removed with everything in it when
// the owner goes out of scope.
#pragma once
#include <windows.h>

#include <string>

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    // Writes `content` to a file below the folder, creating the folders on the way.
    std::string write(const std::string& relative, const std::string& content) const;

private:
    std::string path_;
};

// Writes a whole file, making the folders on its way (`path` starts with a drive root).
void write_file(const std::string& path, const std::string& content);
// The same for a path that this process's code page may not hold (a folder named in
// Chinese on a system of another code page, a file named in Korean).
void write_file(const std::wstring& path, const std::string& content);
std::string read_whole_file(const std::string& path);
std::string read_whole_file(const std::wstring& path);
// Removes `path` and what lies below it, never walking through a link; names of any
// characters go too.
void remove_tree(const std::string& path);
void remove_tree(const std::wstring& path);
// Writes 1 KiB pieces to the file `name` until its drive has no room left.
void fill_up(const std::string& name);

}  // namespace testing_support
