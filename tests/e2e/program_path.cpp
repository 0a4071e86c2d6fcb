#include "tests/e2e/program_path.h"

namespace e2e {

std::string trivane_exe() {
    std::string path = "Z:";
    for (const char* c = TRIVANE_EXE_UNIX_PATH; *c; ++c) path += *c == '/' ? '\\' : *c;
    return path;
}

}  // namespace e2e
