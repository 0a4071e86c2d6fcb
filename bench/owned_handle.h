// A kernel handle with one owner, closed when the owner goes.
#pragma once
#include <windows.h>

#include <utility>

namespace bench {

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE h = nullptr) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~OwnedHandle() { reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) { reset(); h_ = std::exchange(other.h_, nullptr); }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE get() const { return h_; }
    bool valid() const { return h_ != nullptr; }
    void reset() {
        if (h_) CloseHandle(std::exchange(h_, nullptr));
    }

private:
    HANDLE h_;
};

}  // namespace bench
