// A Windows program started for a measurement: its process, the moment its main
// window became visible, and the window's controls.
#pragma once
#include <windows.h>

#include <string>

#include "runtime/handle_owners.h"

namespace bench {

class ProgramWindow {
public:
    // Starts `exe` and waits (at most a minute) for its visible top-level window of
    // class `window_class` titled `title`.
    ProgramWindow(const std::string& exe, const std::string& title, const std::string& window_class);
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    bool shown() const { return window_ != nullptr; }
    // From process creation to the window showing.
    double shown_after_ms() const { return shown_after_ms_; }
    HWND window() const { return window_; }
    HANDLE process() const { return process_.get(); }

    HWND control(int id) const;
    std::string text(int id) const;
    // Asks the window to close; ends the process when it does not go within 10 s.
    void close();

private:
    rt::KernelHandle process_;
    rt::KernelHandle thread_;
    DWORD pid_ = 0;
    HWND window_ = nullptr;
    double shown_after_ms_ = 0;
};

}  // namespace bench
