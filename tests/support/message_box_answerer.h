// Answers message boxes so that nothing blocks a test: finds the dialog (class
// #32770) of a process, records its text, title and style, and presses a button.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

struct AnsweredBox {
    std::string title;  // as this process's code page gives them
    std::string text;
    std::wstring wide_title;  // as the box holds them
    std::wstring wide_text;
    LONG style;                      // window style of the dialog
    std::vector<int> button_ids;     // the buttons it offered
};

// Waits (at most `timeout_ms`) for a message box of process `pid` (0: this process)
// and presses the button with `button_id` (IDOK, IDYES, ...), or the first one
// when it has no such button. Returns false when no box appeared in time.
bool answer_message_box(DWORD pid, int button_id, AnsweredBox* box, DWORD timeout_ms = 10000);

// The first visible message box of process `pid`; null when there is none.
HWND find_box(DWORD pid);

// Presses a button of the first visible box of process `pid` as answer_message_box
// does, recording it in `box`; null when there is none. The box may still be closing
// on return: wait_until_gone waits for that.
HWND press_box(DWORD pid, int button_id, AnsweredBox* box);
void wait_until_gone(HWND box);

// Answers boxes on a thread of its own while the test thread is blocked in a modal
// box, and collects what it answered. Before each press `look` (when given) waits
// briefly for the next box of `pid` and reads what only shows before the press, such
// as the icon; it returns false when no box came.
template <class Box>
class Answerer {
public:
    using Look = bool (*)(DWORD pid, Box* box);
    Answerer(int button_id, DWORD pid, Look look) : button_id_(button_id), pid_(pid), look_(look) {
        InitializeCriticalSection(&lock_);
        thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
    }
    ~Answerer() {
        InterlockedExchange(&stop_, 1);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        DeleteCriticalSection(&lock_);
    }
    Answerer(const Answerer&) = delete;
    Answerer& operator=(const Answerer&) = delete;

    std::vector<Box> answered() {
        EnterCriticalSection(&lock_);
        std::vector<Box> copy = answered_;
        LeaveCriticalSection(&lock_);
        return copy;
    }

private:
    static DWORD WINAPI run(void* self_pointer) {
        auto* self = static_cast<Answerer*>(self_pointer);
        const DWORD pid = self->pid_ ? self->pid_ : GetCurrentProcessId();
        while (!self->stop_) {
            Box box;
            if (self->look_ && !self->look_(pid, &box)) continue;
            // The lock is held from before the press until the box is recorded: the code
            // the box returns to may ask for the boxes at once, and then waits for this one.
            EnterCriticalSection(&self->lock_);
            const HWND pressed = press_box(pid, self->button_id_, &box);
            if (pressed) self->answered_.push_back(box);
            LeaveCriticalSection(&self->lock_);
            if (pressed)
                wait_until_gone(pressed);
            else
                Sleep(20);
        }
        return 0;
    }

    int button_id_;
    DWORD pid_;
    Look look_;
    HANDLE thread_ = nullptr;
    volatile LONG stop_ = 0;
    CRITICAL_SECTION lock_;
    std::vector<Box> answered_;
};

// Answers the boxes of process `pid` (0: this process) with `button_id`.
class BoxAnswerer : public Answerer<AnsweredBox> {
public:
    explicit BoxAnswerer(int button_id, DWORD pid = 0) : Answerer(button_id, pid, nullptr) {}
};

}  // namespace testing_support
