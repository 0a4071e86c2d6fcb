// Finding the windows a test or the benchmark drives: a process's visible top-level
// window by what it shows, and a control by its id. Both work across processes.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace testing_support {

// Whether `window` has the class `name` (compared exactly).
bool has_class(HWND window, const char* name);
// Whether `window`'s title is `title`.
bool has_title(HWND window, const std::string& title);
// Whether `window` is visible and belongs to process `pid`.
bool shown_by(HWND window, DWORD pid);

// The first visible top-level window of process `pid` that `matches` accepts; null
// when there is none.
HWND find_shown_window(DWORD pid, const std::function<bool(HWND)>& matches);

// The first window below `parent`, at any depth, with control id `id`; null when none.
HWND find_control(HWND parent, int id);

}  // namespace testing_support
