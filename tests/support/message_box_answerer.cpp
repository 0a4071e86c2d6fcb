#include "tests/support/message_box_answerer.h"

namespace testing_support {
namespace {

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK find_box(HWND window, LPARAM lparam) {
    auto* search = reinterpret_cast<Search*>(lparam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (pid == search->pid && lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string window_text(HWND window) {
    char buffer[2048] = {};
    // WM_GETTEXT works across threads and processes for standard controls.
    SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::wstring wide_window_text(HWND window) {
    wchar_t buffer[2048] = {};
    SendMessageW(window, WM_GETTEXT, sizeof buffer / sizeof buffer[0], reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

BOOL CALLBACK collect_child(HWND child, LPARAM lparam) {
    auto* box = reinterpret_cast<AnsweredBox*>(lparam);
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    const int id = GetDlgCtrlID(child);
    if (lstrcmpiA(cls, "Button") == 0) box->button_ids.push_back(id);
    else if (lstrcmpiA(cls, "Static") == 0 && id == 0xFFFF) {
        box->text = window_text(child);
        box->wide_text = wide_window_text(child);
    }
    return TRUE;
}

}  // namespace

// Presses a button of the first box found; the box may still be closing on return.
HWND press_box(DWORD pid, int button_id, AnsweredBox* box) {
    Search search = {pid, nullptr};
    EnumWindows(find_box, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return nullptr;
    AnsweredBox found = {};
    found.title = window_text(search.found);
    found.wide_title = wide_window_text(search.found);
    found.style = GetWindowLongA(search.found, GWL_STYLE);
    EnumChildWindows(search.found, collect_child, reinterpret_cast<LPARAM>(&found));
    int press = button_id;
    bool has = false;
    for (int id : found.button_ids) has = has || id == button_id;
    if (!has && !found.button_ids.empty()) press = found.button_ids.front();
    PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(search.found, press)));
    if (box) *box = found;
    return search.found;
}

// Waits until the box is gone so a second answer does not find it again.
void wait_until_gone(HWND box) {
    for (int i = 0; i < 200 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
}

bool answer_message_box(DWORD pid, int button_id, AnsweredBox* box, DWORD timeout_ms) {
    if (pid == 0) pid = GetCurrentProcessId();
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND pressed = press_box(pid, button_id, box)) {
            wait_until_gone(pressed);
            return true;
        }
        if (GetTickCount() - start > timeout_ms) return false;
        Sleep(20);
    }
}

BoxAnswerer::BoxAnswerer(int button_id, DWORD pid) : button_id_(button_id), pid_(pid) {
    InitializeCriticalSection(&lock_);
    thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
}

BoxAnswerer::~BoxAnswerer() {
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    DeleteCriticalSection(&lock_);
}

std::vector<AnsweredBox> BoxAnswerer::answered() {
    EnterCriticalSection(&lock_);
    std::vector<AnsweredBox> copy = answered_;
    LeaveCriticalSection(&lock_);
    return copy;
}

DWORD WINAPI BoxAnswerer::run(void* self_pointer) {
    auto* self = static_cast<BoxAnswerer*>(self_pointer);
    const DWORD pid = self->pid_ ? self->pid_ : GetCurrentProcessId();
    while (!self->stop_) {
        AnsweredBox box;
        if (HWND pressed = press_box(pid, self->button_id_, &box)) {
            // Recorded before the box has gone, so the code it returned to sees it.
            EnterCriticalSection(&self->lock_);
            self->answered_.push_back(box);
            LeaveCriticalSection(&self->lock_);
            wait_until_gone(pressed);
        } else {
            Sleep(20);
        }
    }
    return 0;
}

}  // namespace testing_support
