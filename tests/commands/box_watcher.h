// Watches for a message box of this process on a thread of its own while the test
// thread is blocked in it, records what only the live dialog tells (icon, owner,
// extended style, visible buttons, whether the probe window was disabled, its texts in
// UTF-16), then presses a button through the shared answerer.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace command_tests {

struct SeenBox {
    bool appeared = false;
    std::string title, text;
    std::wstring wide_title, wide_text;  // as the platform holds them, whatever the code page
    HICON icon = nullptr;
    HWND owner = nullptr;
    LONG ex_style = 0;
    std::vector<int> visible_buttons;
    bool probe_enabled = true;
};

// A visible top-level window of the test thread, made once and kept until the process
// ends: withdrawing a visible window costs seconds on a bare X server.
HWND probe_window();

class BoxWatcher {
public:
    explicit BoxWatcher(int button_id, DWORD timeout_ms = 10000);
    ~BoxWatcher() { seen(); }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    const SeenBox& seen();  // waits for the watcher; call after the command returned

private:
    static DWORD WINAPI run(void* self);
    int button_id_;
    DWORD timeout_ms_;
    HANDLE thread_;
    SeenBox seen_;
};

}  // namespace command_tests
