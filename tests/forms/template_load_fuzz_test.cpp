// Damaged templates carried all the way: every truncation and many seeded random
// corruptions of the tool's template are read as the runtime reads them, and every
// one the reader accepts has its windows loaded with the real component types and
// closed again. Nothing may crash or hang. The cases run in child processes that
// name each case before loading it, so a child that dies points at its case, and the
// next child carries on after it. (The reader's own fuzz test watches for reads past
// the end of the data.)
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "forms/components/core_types.h"
#include "forms/components/extension_types.h"
#include "forms/components/window_object.h"
#include "forms/loader.h"
#include "forms/window_registry.h"
#include "runtime/error_box.h"
#include "tests/forms/template_corruption.h"
#include "tests/forms/template_test_util.h"
#include "tests/support/child_process.h"
#include "tests/support/window_program.h"
#include "tuner/handler_offsets.h"

namespace {

using forms::ByteBlock;
using forms::u32;
using testing_support::child_report;
using testing_support::drain_messages;

constexpr u32 kSeeds = 20000;

// The tool's handler table has this many slots; its template binds into all of them.
int g_handler_calls = 0;
u32 count_call(const u32*, rt::i32, bool*) {
    ++g_handler_calls;
    return 0;
}
std::array<forms::EventHandler, tuner::kHandlerCount> handler_table() {
    std::array<forms::EventHandler, tuner::kHandlerCount> table;
    table.fill(count_call);
    return table;
}
const std::array<forms::EventHandler, tuner::kHandlerCount> kHandlers = handler_table();

// Case n: the first `length` cases are the truncations to n bytes, then one case
// per seed.
size_t case_count(const ByteBlock& full) { return full.size() + kSeeds; }

ByteBlock case_data(const ByteBlock& full, size_t n) {
    if (n < full.size()) return ByteBlock(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    std::mt19937 rng(static_cast<std::uint32_t>(n - full.size() + 1));
    return template_test::corrupt(rng, full);
}

// After the "load" line of its case: the parent reads both.
int report_runtime_error(int code, const char* text) {
    child_report("error code=" + std::to_string(code) + " " + text + "\n");
    return 1;
}

void start_runtime() {
    testing_support::start_window_program(testing_support::real_libraries(), kHandlers.data(), tuner::kHandlerCount);
}

// Loads every window the segment holds, then closes each as the user would.
void load_and_close_all() {
    const std::vector<u32> ids = forms::loaded_templates().ids;
    for (u32 id : ids) forms::load_window(id, nullptr, false);
    drain_messages();
    for (u32 id : ids)
        if (forms::WindowObject* w = forms::WindowObject::of(id)) SendMessageW(w->hwnd(), WM_CLOSE, 0, 0);
    forms::WindowObject::destroy_all();
    drain_messages();
}

// Argument: the first case and the end of the range. Reports "load <n>" before
// loading case n and "done" with the number of handler calls at the end.
TRIVANE_CHILD_SCENARIO(load_corruptions) {
    // Thousands of windows come and go here, each taking the activation: on a desktop
    // of their own they leave the focus of other test programs alone.
    HDESK desktop = CreateDesktopW(L"TrivaneTemplateFuzz", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (!desktop || !SetThreadDesktop(desktop)) {
        child_report("no desktop of its own: " + std::to_string(GetLastError()) + "\n");
        ExitProcess(1);
    }
    const ByteBlock full = template_test::real_template();
    rt::set_error_hook(report_runtime_error);
    start_runtime();
    size_t first = 0, end = 0;
    std::istringstream(testing_support::child_argument()) >> first >> end;

    for (size_t n = first; n < end; ++n) {
        const ByteBlock data = case_data(full, n);
        if (!forms::read_templates(data.data(), static_cast<u32>(data.size()), kHandlers.data(), tuner::kHandlerCount))
            continue;
        child_report("load " + std::to_string(n) + "\n");
        load_and_close_all();
    }
    child_report("done, handlers called " + std::to_string(g_handler_calls) + "\n");
    ExitProcess(0);
}

struct ChildOutcome {
    bool done = false;
    int loads = 0;
    size_t last_load = 0;  // of the last case loaded
    int handler_calls = 0;
    std::string ending;  // the crash or runtime error line, if any
};

ChildOutcome read_report(const std::string& report) {
    ChildOutcome o;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string what;
        words >> what;
        if (what == "load") {
            words >> o.last_load;
            ++o.loads;
        } else if (what == "done,") {
            std::string handlers, called;
            words >> handlers >> called >> o.handler_calls;
            o.done = true;
        } else {
            o.ending = line;
        }
    }
    return o;
}

// One share of the cases, run by as many children as it takes.
struct Share {
    Share(size_t first_case, size_t end_case) : first(first_case), end(end_case) {}
    size_t first, end;
    int loads = 0, handler_calls = 0, children = 0;
    std::vector<std::string> failures;  // crashes, hangs, children that loaded nothing
    std::vector<std::string> runtime_errors;

    void run() {
        size_t next = first;
        while (next < end && children < 100) {
            const auto r = testing_support::run_child_with(
                "load_corruptions", std::to_string(next) + " " + std::to_string(end), 300000);
            ++children;
            const ChildOutcome o = read_report(r.report);
            loads += o.loads;
            if (o.done) {
                handler_calls += o.handler_calls;
                if (r.exit_code != 0) failures.push_back("exit code " + std::to_string(r.exit_code) + " after done");
                return;
            }
            if (o.loads == 0) {
                failures.push_back("a child ended before loading anything: " + r.report);
                return;
            }
            // The child ended inside the load of its last case. A runtime error is the
            // runtime's own orderly end; a crash or a hang is a failure.
            if (r.exit_code == 0xFFFFFFFFu && o.ending.rfind("error ", 0) == 0)
                runtime_errors.push_back("case " + std::to_string(o.last_load) + ": " + o.ending);
            else
                failures.push_back("case " + std::to_string(o.last_load) + ", exit code " +
                                   std::to_string(r.exit_code) + ": " + o.ending);
            next = o.last_load + 1;
        }
        if (next < end) failures.push_back("gave up after " + std::to_string(children) + " children");
    }
};

TEST(TemplateLoadFuzz, EveryAcceptedCorruptionLoadsAndClosesWithoutACrash) {
    const ByteBlock full = template_test::real_template();
    const size_t total = case_count(full);
    // Two shares side by side: the loads are slow, the machine has two cores.
    Share shares[2] = {{0, total / 2}, {total / 2, total}};
    std::thread second([&] { shares[1].run(); });
    shares[0].run();
    second.join();

    int loads = 0, handler_calls = 0;
    for (const Share& share : shares) {
        loads += share.loads;
        handler_calls += share.handler_calls;
        for (const std::string& f : share.failures) ADD_FAILURE() << f;
        for (const std::string& e : share.runtime_errors) std::printf("runtime error: %s\n", e.c_str());
    }
    std::printf("%d loads of %u cases\n", loads, static_cast<unsigned>(total));
    // Corruptions inside texts and property data still make windows: many loads ran,
    // and their windows raised events into the handler table.
    EXPECT_GT(loads, 1000);
    EXPECT_GT(handler_calls, 0);
}

}  // namespace
