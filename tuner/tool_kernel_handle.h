// A kernel handle the tool opened through a DLL command (a thread, a process, a file,
// a snapshot), closed once through the CloseHandle command: the tool's logic reaches
// the system only through its DLL commands.
#pragma once
#include <utility>

#include "logic/calls.h"
#include "tuner/dll_commands.h"

namespace tuner {

class ToolKernelHandle {
public:
    ToolKernelHandle() = default;
    // `close_site` is where the closing call reports a runtime error from.
    ToolKernelHandle(rt::u32 handle, logic::Site close_site)
        : handle_(valid(handle) ? handle : 0), close_site_(close_site) {}
    ~ToolKernelHandle() { close(); }
    ToolKernelHandle(ToolKernelHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, 0)), close_site_(other.close_site_) {}
    ToolKernelHandle& operator=(ToolKernelHandle&& other) noexcept {
        if (this != &other) {
            close();
            handle_ = std::exchange(other.handle_, 0);
            close_site_ = other.close_site_;
        }
        return *this;
    }
    ToolKernelHandle(const ToolKernelHandle&) = delete;
    ToolKernelHandle& operator=(const ToolKernelHandle&) = delete;

    // Zero when there is none; a failed open (zero or INVALID_HANDLE_VALUE) gives none.
    rt::u32 get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

    // Closes now. False when the platform refused (its error code is then the last
    // error); closing nothing succeeds.
    bool close() { return close(close_site_); }
    // The same, reporting from another call site than the one given at opening.
    bool close(logic::Site site) {
        if (!handle_) return true;
        return dll::CloseHandle(std::exchange(handle_, 0), site);
    }

private:
    static bool valid(rt::u32 handle) { return handle != 0 && handle != 0xFFFFFFFF; }

    rt::u32 handle_ = 0;
    logic::Site close_site_ = {0, 0};
};

}  // namespace tuner
