#include "bench/round_trips.h"

#include "bench/stopwatch.h"

namespace bench {
namespace {

// Control ids the window loader gives the drive box and the prompt label.
constexpr int kDriveBox = 170;
constexpr int kPromptLabel = 180;
const std::string kDrivePrompt = "友情提示：请选择驱动器，再进行操作";
const std::string kSearching = "正在寻找LOL安装目录，请稍后...";

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

}  // namespace

RoundTrips sample_round_trips(const ProgramWindow& tool, char drive_letter, double limit_ms) {
    RoundTrips result;
    result.drive_chosen = choose_drive(tool, drive_letter);
    if (!result.drive_chosen) return result;
    const Stopwatch search_clock;
    while (search_clock.milliseconds() < limit_ms) {
        const Stopwatch trip;
        DWORD_PTR ignored = 0;
        const bool answered =
            SendMessageTimeoutA(tool.window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored) != 0;
        const double ms = answered ? trip.milliseconds() : 5000.0;
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
