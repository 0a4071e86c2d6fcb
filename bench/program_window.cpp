#include "bench/program_window.h"

#include "bench/stopwatch.h"
#include "tests/support/window_find.h"

namespace bench {

ProgramWindow::ProgramWindow(const std::string& exe, const std::string& title, const std::string& window_class) {
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    const Stopwatch clock;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
    process_ = rt::KernelHandle(pi.hProcess);
    thread_ = rt::KernelHandle(pi.hThread);
    pid_ = pi.dwProcessId;
    // Polled every millisecond: start-up takes hundreds of them. The window server
    // picks the candidates by class, so a look costs it a request or two rather than
    // one per window on the desktop: the starting program shares that server.
    while (clock.milliseconds() < 60000 && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, window_class.c_str(), nullptr));) {
            if (!testing_support::shown_by(w, pid_) || !testing_support::has_title(w, title)) continue;
            shown_after_ms_ = clock.milliseconds();
            window_ = w;
            return;
        }
        Sleep(1);
    }
}

ProgramWindow::~ProgramWindow() { close(); }

HWND ProgramWindow::control(int id) const { return testing_support::find_control(window_, id); }

std::string ProgramWindow::text(int id) const {
    char buffer[1024] = {};
    DWORD_PTR ignored = 0;
    if (HWND c = control(id))
        SendMessageTimeoutA(c, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL, 5000,
                            &ignored);
    return buffer;
}

void ProgramWindow::close() {
    if (!process_) return;
    if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.get(), 10000) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 1);
    }
    process_.reset();
    thread_.reset();
    window_ = nullptr;
}

}  // namespace bench
