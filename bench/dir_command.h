// What a user would type by hand: cmd /c dir /s /b <root>system.yaml, timed from
// start to exit, its output kept.
#pragma once
#include <string>
#include <vector>

namespace bench {

struct DirResult {
    bool ran = false;
    double milliseconds = 0;
    std::vector<std::string> paths;  // one per output line
};

// `root` ends in a backslash; `scratch_file` receives cmd's output.
DirResult run_dir_command(const std::string& root, const std::string& scratch_file);

}  // namespace bench
