#include "tuner/handlers.h"

#include "tuner/home_page.h"
#include "tuner/log_cleanup.h"
#include "tuner/main_window.h"
#include "tuner/platform_error.h"
#include "tuner/record_menu.h"
#include "tuner/routines.h"
#include "tuner/search_handlers.h"
#include "tuner/steps.h"
#include "tuner/workers.h"

namespace tuner {
namespace {

// Every handler of this window takes no argument and returns nothing. A worker's
// result that arrives meanwhile is taken once the handler has returned.
template <void (*Action)()>
rt::u32 handler(const rt::u32*, rt::i32, bool* returned_value) {
    *returned_value = false;
    const HandlerUnderWay under_way;
    Action();
    return 0;
}

// Binds the error code reader before any change can want it, and adds the change
// record's system menu item.
void on_window_created() {
    last_error({kRoutineProgramEntry, 90});
    add_record_menu_item();
}

// While a search runs the install directory is empty: the home page actions say to
// wait, as the others do, rather than that no drive was chosen.
void on_home_page_replace_after_search() {
    if (!refuse_while_searching()) on_home_page_replace();
}

void on_home_page_restore_after_search() {
    if (refuse_while_searching()) {
        clear_result();  // as the restore's own refusal does
        return;
    }
    on_home_page_restore();
}

// While a log cleanup runs (its press goes on when it ends), the actions wait: none
// starts on a client half cleaned, nor runs beside the press.
template <void (*Action)()>
void unless_cleaning() {
    if (!refuse_while_cleaning()) Action();
}

struct Binding {
    Handler slot;
    forms::EventHandler handler;
};

// The slots' order is the template's: each handler goes by its slot's name.
constexpr Binding kBindings[] = {
    {kHandlerWindowCreated, handler<on_window_created>},
    {kHandlerWindowDestroy, handler<on_window_destroy>},
    {kHandlerDx11Restore, handler<unless_cleaning<on_dx11_restore>>},
    {kHandlerSelectAll, handler<on_select_all>},
    {kHandlerDriveChanged, handler<on_drive_changed>},
    {kHandlerHomePageRestore, handler<unless_cleaning<on_home_page_restore_after_search>>},
    {kHandlerHomePageReplace, handler<unless_cleaning<on_home_page_replace_after_search>>},
    {kHandlerOptimize, handler<unless_cleaning<on_optimize>>},
};

struct HandlerTable {
    forms::EventHandler slots[kHandlerCount];
};

constexpr HandlerTable in_slot_order() {
    HandlerTable table = {};
    for (const Binding& b : kBindings) table.slots[b.slot] = b.handler;
    return table;
}

constexpr HandlerTable kHandlers = in_slot_order();

constexpr bool every_slot_bound() {
    for (forms::EventHandler h : kHandlers.slots)
        if (!h) return false;
    return sizeof kBindings / sizeof kBindings[0] == kHandlerCount;
}
static_assert(every_slot_bound(), "each slot of the handler table has exactly one handler");

}  // namespace

const forms::EventHandler* handler_table() { return kHandlers.slots; }

}  // namespace tuner
