#pragma once
#include <string>

namespace e2e {

// Trivane.exe as Wine sees it: the build tree through the Z: drive.
std::string trivane_exe();

}  // namespace e2e
