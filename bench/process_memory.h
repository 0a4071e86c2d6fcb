// The peak working set of a process, as the system counts it.
#pragma once
#include <windows.h>

#include <cstddef>

namespace bench {

// Bytes; 0 when the system does not say.
size_t peak_working_set(HANDLE process);

}  // namespace bench
