#include "tests/e2e/trivane_driver.h"

#include <gtest/gtest.h>

#include <vector>

#include "data/version.h"
#include "tests/e2e/program_path.h"
#include "tests/support/window_find.h"

namespace e2e {
namespace {

std::string variable(const char* name) {
    static char value[32767];
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

bool names(const char* entry, const std::string& name) {
    return _strnicmp(entry, name.c_str(), name.size()) == 0 && entry[name.size()] == '=';
}

// The current environment with the launch's changes, as a block.
std::vector<char> environment_for(const Launch& launch) {
    std::vector<std::string> changed = {"TRIVANE_STANDIN_LOG=" + launch.standin_log};
    if (!launch.path_front.empty()) changed.push_back("PATH=" + launch.path_front + ";" + variable("PATH"));

    std::vector<char> block;
    auto add = [&block](const std::string& entry) {
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back('\0');
    };
    char* strings = GetEnvironmentStringsA();
    for (const char* e = strings; *e; e += lstrlenA(e) + 1) {
        bool replaced = false;
        for (const std::string& c : changed) replaced = replaced || names(e, c.substr(0, c.find('=')));
        if (!replaced) add(e);
    }
    FreeEnvironmentStringsA(strings);
    for (const std::string& c : changed) add(c);
    block.push_back('\0');
    return block;
}

}  // namespace

std::string standins_directory() {
    std::string dir = "Z:";
    for (const char* c = TRIVANE_STANDINS_UNIX_DIR; *c; ++c) dir += *c == '/' ? '\\' : *c;
    return dir;
}

Trivane::Trivane(const Launch& launch) {
    std::string command = "\"" + launch.exe + "\"";
    const std::string folder = launch.exe.substr(0, launch.exe.rfind('\\'));
    std::vector<char> environment = environment_for(launch);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, environment.data(), folder.c_str(), &si,
                        &process_))
        return;
    for (int i = 0; i < 300 && !window_; ++i) {
        window_ = testing_support::find_shown_window(process_.dwProcessId, [](HWND window) {
            return testing_support::has_title(window, "Trivane" TRIVANE_VERSION_TEXT);
        });
        if (!window_) Sleep(50);
    }
    if (window_) WaitForInputIdle(process_.hProcess, 5000);
}

Trivane::~Trivane() {
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) close();
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

HWND Trivane::control(int id) const { return testing_support::find_control(window_, id); }

std::string Trivane::text(int id) const {
    char buffer[1024] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(control(id), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL, 5000,
                        &ignored);
    return buffer;
}

std::wstring Trivane::wide_text(int id) const {
    wchar_t buffer[1024] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control(id), WM_GETTEXT, sizeof buffer / sizeof buffer[0], reinterpret_cast<LPARAM>(buffer),
                        SMTO_NORMAL, 5000, &ignored);
    return buffer;
}

std::vector<std::wstring> Trivane::wide_drive_entries() const {
    std::vector<std::wstring> entries;
    const HWND box = control(kDriveBox);
    const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, i, 0);
        if (length == CB_ERR) continue;
        // The length may be an upper bound; the text's own length comes with the text.
        std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT got = SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(got == CB_ERR ? 0 : static_cast<size_t>(got));
        entries.push_back(entry);
    }
    return entries;
}

bool Trivane::checked(int id) const {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(control(id), BM_GETCHECK, 0, 0, SMTO_NORMAL, 5000, &state);
    return state == BST_CHECKED;
}

void Trivane::click(int id) const {
    // Sent: it returns once the click's handler has run, a message box it opened
    // included (the test's answerer closes that from another thread).
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(control(id), BM_CLICK, 0, 0, SMTO_NORMAL, 30000, &ignored);
}

bool Trivane::choose_drive(char letter) const {
    HWND box = control(kDriveBox);
    if (!box) return false;
    const int count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char item[256] = {};
        SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        if ((item[0] | 0x20) == (letter | 0x20)) {
            SendMessageA(box, CB_SETCURSEL, i, 0);
            PostMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELENDOK),
                         reinterpret_cast<LPARAM>(box));
            return true;
        }
    }
    return false;
}

bool Trivane::wait_for_text(int id, const std::string& expected, DWORD timeout_ms) const {
    const DWORD start = GetTickCount();
    while (text(id) != expected) {
        if (GetTickCount() - start > timeout_ms) return false;
        Sleep(20);
    }
    return true;
}

bool Trivane::wait_for_wide_text(int id, const std::wstring& expected, DWORD timeout_ms) const {
    const DWORD start = GetTickCount();
    while (wide_text(id) != expected) {
        if (GetTickCount() - start > timeout_ms) return false;
        Sleep(20);
    }
    return true;
}

DWORD Trivane::close() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 0xDEAD);
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::unique_ptr<Trivane> start_on(char drive, const std::string& install, const std::string& standin_log) {
    auto tool = std::make_unique<Trivane>(Launch{trivane_exe(), "", standin_log});
    EXPECT_TRUE(tool->started());
    if (!tool->started()) return tool;
    EXPECT_TRUE(tool->choose_drive(drive));
    EXPECT_TRUE(tool->wait_for_text(kPromptLabel, install)) << tool->text(kPromptLabel);
    return tool;
}

ClickInBackground::ClickInBackground(const Trivane& tool, int id) : tool_(tool), id_(id) {
    thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
}

bool ClickInBackground::finished(DWORD timeout_ms) {
    if (!thread_) return true;
    if (WaitForSingleObject(thread_, timeout_ms) != WAIT_OBJECT_0) return false;
    CloseHandle(thread_);
    thread_ = nullptr;
    return true;
}

DWORD WINAPI ClickInBackground::run(void* self) {
    auto* c = static_cast<ClickInBackground*>(self);
    c->tool_.click(c->id_);
    return 0;
}

}  // namespace e2e
