#include "commands/window_owner.h"

#include "commands/core_link.h"
#include "runtime/library_service.h"

namespace commands {
namespace {

WindowHandleReader g_reader = nullptr;

}  // namespace

void set_window_handle_reader(WindowHandleReader reader) { g_reader = reader; }

HWND resolve_owner(const rt::ArgRecord& owner) {
    if (owner.tag == rt::kTagInt) return reinterpret_cast<HWND>(owner.lo);
    if (owner.tag != kWindowTypeTag) return nullptr;
    // A window that is not loaded, or whose platform window is gone, gives no owner.
    const rt::u32 object = core_service(rt::kSvcComponentObject, owner.lo, 0);
    if (!object || !g_reader) return nullptr;
    return g_reader(object);
}

}  // namespace commands
