// The image's load configuration. Its one purpose: the libraries the platform loads for
// our imports come from the system directory only (Windows 10 1607 and later), never
// from the folder the program was started from, which anyone may write to.
#include <cstddef>

#include "runtime/values.h"

namespace {

// The platform's 32-bit load configuration, through the safe exception handler fields.
struct LoadConfiguration32 {
    rt::u32 size;
    rt::u32 time_date_stamp;
    unsigned short major_version, minor_version;
    rt::u32 global_flags_clear, global_flags_set;
    rt::u32 critical_section_default_timeout;
    rt::u32 decommit_free_block_threshold, decommit_total_free_threshold;
    rt::u32 lock_prefix_table;
    rt::u32 maximum_allocation_size, virtual_memory_threshold;
    rt::u32 process_heap_flags, process_affinity_mask;
    unsigned short csd_version;
    unsigned short dependent_load_flags;
    rt::u32 edit_list;
    rt::u32 security_cookie;
    // No table of safe exception handlers: zero here means the loader checks none, as
    // for any image built without one (a table that is present but empty would make
    // every handler invalid).
    rt::u32 se_handler_table, se_handler_count;
};
static_assert(offsetof(LoadConfiguration32, dependent_load_flags) == 54, "the platform's layout");
static_assert(sizeof(LoadConfiguration32) == 72, "the platform's layout");

constexpr unsigned short kSearchSystem32 = 0x800;

}  // namespace

// The linker finds the load configuration by this name and takes its size from the
// first field.
extern "C" __attribute__((used)) const LoadConfiguration32 _load_config_used = {
    sizeof(LoadConfiguration32), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kSearchSystem32, 0, 0, 0, 0};
