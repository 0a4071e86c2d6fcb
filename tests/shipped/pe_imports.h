// Reads a program file the way the platform's loader starts on it: the libraries its
// import directories name, ordinary and delay-loaded.
#pragma once
#include <string>
#include <vector>

namespace shipped {

struct ImportList {
    bool readable = false;  // a 32-bit program image whose import directories lie inside the file
    std::vector<std::string> libraries;
};

ImportList read_imports(const std::string& path);

}  // namespace shipped
