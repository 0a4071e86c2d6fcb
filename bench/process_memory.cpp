#include "bench/process_memory.h"

#include <psapi.h>

namespace bench {

size_t peak_working_set(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return counters.PeakWorkingSetSize;
}

}  // namespace bench
