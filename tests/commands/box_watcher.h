// Watches for a message box of this process on a thread of its own while the test
// thread is blocked in it, records what only the live dialog can tell (its icon,
// owner, extended style, visible buttons, whether a probe window was disabled while
// it was up), then presses a button.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace command_tests {

struct SeenBox {
    bool appeared = false;
    std::string title;
    std::string text;
    HICON icon = nullptr;
    HWND owner = nullptr;
    LONG ex_style = 0;
    std::vector<int> visible_buttons;
    bool probe_enabled = true;
};

class BoxWatcher {
public:
    // `probe`: a top-level window of the test thread whose enabled state is recorded.
    BoxWatcher(int button_id, HWND probe = nullptr, DWORD timeout_ms = 10000);
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    // Waits for the watcher to finish (call after the command returned).
    const SeenBox& seen();

private:
    static DWORD WINAPI run(void* self);
    int button_id_;
    HWND probe_;
    DWORD timeout_ms_;
    HANDLE thread_ = nullptr;
    SeenBox seen_;
};

// A plain visible top-level window of the calling thread, made once and kept until
// the process ends: withdrawing a visible window costs seconds on a bare X server.
HWND probe_window();

}  // namespace command_tests
