// Drives the real Trivane.exe as a user would: finds its window and controls, picks a
// drive, ticks boxes, presses buttons, reads the labels, and closes it.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/control_ids.h"

namespace e2e {

// How Trivane.exe is started: which copy, and what its environment adds.
struct Launch {
    std::string exe;          // the program file; its folder is the current directory
    std::string path_front;   // put first on PATH when not empty
    std::string standin_log;  // where stand-ins and planted libraries record that they ran
};

class Trivane {
public:
    // Starts the program as `launch` says and waits for its window.
    explicit Trivane(const Launch& launch);
    ~Trivane();
    Trivane(const Trivane&) = delete;
    Trivane& operator=(const Trivane&) = delete;

    bool started() const { return window_ != nullptr; }
    DWORD pid() const { return process_.dwProcessId; }
    HWND window() const { return window_; }
    HWND control(int id) const;

    std::string text(int id) const;
    // The control's text as the platform holds it, whatever the code pages of Trivane
    // and of this process.
    std::wstring wide_text(int id) const;
    // The drive box's entries, the same way.
    std::vector<std::wstring> wide_drive_entries() const;
    bool checked(int id) const;
    // Returns once the click was handled; answer any message box it opens from
    // another thread (BoxAnswerer).
    void click(int id) const;
    // Selects the drive whose entry starts with `letter` and confirms the choice.
    bool choose_drive(char letter) const;
    // Waits until the control shows `expected`; false after `timeout_ms`.
    bool wait_for_text(int id, const std::string& expected, DWORD timeout_ms = 10000) const;
    bool wait_for_wide_text(int id, const std::wstring& expected, DWORD timeout_ms = 10000) const;

    // Asks the window to close and waits; returns the exit code.
    DWORD close();

private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

// Trivane as shipped (its stand-ins' log `standin_log`), with drive `drive` chosen and
// the client at `install` found there; each step is checked, and the tool is handed
// back whatever failed, for the test to close.
std::unique_ptr<Trivane> start_on(char drive, const std::string& install, const std::string& standin_log = "");

// A click sent from a thread of its own: it returns once the press's handler has run
// to its end (a log cleanup included), while the test goes on.
class ClickInBackground {
public:
    ClickInBackground(const Trivane& tool, int id);
    ~ClickInBackground() { finished(60000); }
    ClickInBackground(const ClickInBackground&) = delete;
    ClickInBackground& operator=(const ClickInBackground&) = delete;

    // True once the handler has returned, within `timeout_ms`.
    bool finished(DWORD timeout_ms);

private:
    static DWORD WINAPI run(void* self);
    const Trivane& tool_;
    int id_;
    HANDLE thread_ = nullptr;
};

// Where the stand-ins were built (powercfg.exe, planted_library.dll), as a Windows path.
std::string standins_directory();

}  // namespace e2e
