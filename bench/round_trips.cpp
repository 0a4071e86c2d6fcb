#include "bench/round_trips.h"

#include "bench/stopwatch.h"
#include "tests/e2e/control_ids.h"
#include "tuner/texts.h"

namespace bench {
namespace {

using e2e::kDriveBox;
using e2e::kLogBox;
using e2e::kOptimizeButton;
using e2e::kPromptLabel;
using e2e::kResultLabel;
using tuner::kDrivePrompt;
using tuner::kLogsCleared;
using tuner::kNotFound;
using tuner::kSearching;

bool choose_drive(const ProgramWindow& tool, char letter) {
    HWND box = tool.control(kDriveBox);
    if (!box) return false;
    const int count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char item[256] = {};
        if (SendMessageA(box, CB_GETLBTEXTLEN, i, 0) >= static_cast<LRESULT>(sizeof item)) continue;
        SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        if ((item[0] | 0x20) != (letter | 0x20)) continue;
        SendMessageA(box, CB_SETCURSEL, i, 0);
        PostMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(kDriveBox, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
        return true;
    }
    return false;
}

double round_trip_ms(const ProgramWindow& tool) {
    const Stopwatch trip;
    DWORD_PTR ignored = 0;
    const bool answered = SendMessageTimeoutA(tool.window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored) != 0;
    return answered ? trip.milliseconds() : 5000.0;
}

// The press is sent from a thread of its own: a handler that kept the window busy until
// the cleanup ended would show in the samples rather than stop them.
DWORD WINAPI press(void* button) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(static_cast<HWND>(button), BM_CLICK, 0, 0, SMTO_NORMAL, 600000, &ignored);
    return 0;
}

}  // namespace

RoundTrips sample_cleanup_round_trips(const ProgramWindow& tool, char drive_letter, double limit_ms) {
    RoundTrips result;
    result.drive_chosen = choose_drive(tool, drive_letter);
    if (!result.drive_chosen) return result;
    const Stopwatch search_clock;
    for (;; Sleep(5)) {
        const std::string caption = tool.text(kPromptLabel);
        if (caption == kNotFound || search_clock.milliseconds() > 60000) return result;  // no outcome: reported
        if (caption == kDrivePrompt || caption == kSearching) continue;
        result.install = caption;
        break;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(tool.control(kLogBox), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &ignored);
    const Stopwatch cleanup_clock;
    const rt::KernelHandle presser(CreateThread(nullptr, 0, press, tool.control(kOptimizeButton), 0, nullptr));
    if (!presser) return result;
    while (cleanup_clock.milliseconds() < limit_ms) {
        const double ms = round_trip_ms(tool);
        if (tool.text(kResultLabel) == kLogsCleared) {
            result.outcome = kLogsCleared;
            break;
        }
        result.milliseconds.push_back(ms);
        Sleep(5);
    }
    result.search_ms = cleanup_clock.milliseconds();
    WaitForSingleObject(presser.get(), 10000);
    return result;
}

RoundTrips sample_round_trips(const ProgramWindow& tool, char drive_letter, double limit_ms) {
    RoundTrips result;
    result.drive_chosen = choose_drive(tool, drive_letter);
    if (!result.drive_chosen) return result;
    const Stopwatch search_clock;
    while (search_clock.milliseconds() < limit_ms) {
        const double ms = round_trip_ms(tool);
        const std::string caption = tool.text(kPromptLabel);
        if (caption == kSearching) {
            result.milliseconds.push_back(ms);
        } else if (caption != kDrivePrompt) {
            result.outcome = caption;
            break;
        }
        Sleep(5);
    }
    result.search_ms = search_clock.milliseconds();
    return result;
}

}  // namespace bench
