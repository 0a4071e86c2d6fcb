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

// Presses a button of the first visible box of process `pid` as answer_message_box
// does, recording it in `box`; null when there is none. The box may still be closing
// on return: wait_until_gone waits for that.
HWND press_box(DWORD pid, int button_id, AnsweredBox* box);
void wait_until_gone(HWND box);

// Answers boxes of this process on a thread of its own while the test thread is
// blocked in a modal box; collects what it answered.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button_id, DWORD pid = 0);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    std::vector<AnsweredBox> answered();

private:
    static DWORD WINAPI run(void* self);
    int button_id_;
    DWORD pid_;
    HANDLE thread_ = nullptr;
    volatile LONG stop_ = 0;
    CRITICAL_SECTION lock_;
    std::vector<AnsweredBox> answered_;
};

}  // namespace testing_support
