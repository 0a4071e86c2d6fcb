// Reads a program file the way the platform's loader starts on it: the libraries its
// import directories name, ordinary and delay-loaded, and its load configuration.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace shipped {

struct ImportList {
    bool readable = false;  // a 32-bit program image whose import directories lie inside the file
    std::vector<std::string> libraries;
};

ImportList read_imports(const std::string& path);

struct LoadConfiguration {
    bool present = false;  // the directory points at a structure inside the file
    uint32_t directory_size = 0;
    uint32_t size = 0;  // the structure's own first field
    uint32_t dependent_load_flags = 0;
    uint32_t safe_handler_table = 0, safe_handler_count = 0;
};

LoadConfiguration read_load_configuration(const std::string& path);

}  // namespace shipped
