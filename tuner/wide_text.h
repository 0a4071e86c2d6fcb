// The wide conversion: a text (code page 936) as a NUL-terminated UTF-16 string for
// the wide system functions the tool calls through DLL commands.
#pragma once
#include <utility>

#include "logic/values.h"

namespace tuner {

// Owns the UTF-16 block; an empty text converts to no string at all (null).
class WideText {
public:
    explicit WideText(const char* text);
    WideText(WideText&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    WideText(const WideText&) = delete;
    WideText& operator=(const WideText&) = delete;
    ~WideText() { logic::release(p_); }

    const wchar_t* get() const { return p_; }

private:
    wchar_t* p_ = nullptr;
};

}  // namespace tuner
