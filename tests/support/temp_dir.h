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
std::string read_whole_file(const std::string& path);
// Removes `path` and what lies below it, never walking through a link.
void remove_tree(const std::string& path);

}  // namespace testing_support
