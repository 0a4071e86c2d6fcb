// The wide conversions: the tool's texts are code page 936 whatever the system's code
// page, so they cross to the wide system functions (called through DLL commands) as
// UTF-16, and names the system hands back come home the same way.
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

// A name from the system in code page 936. When some character has no GBK form (a
// file named in Korean, an emoji) the result is empty and `exact` is false: the tool
// cannot name that file in its texts, so it must keep the wide name instead.
logic::Text gbk_from_wide(const wchar_t* text, bool* exact = nullptr);

// A wide text as UTF-8 bytes (the change record's encoding); null gives an empty text.
logic::Text utf8_from_wide(const wchar_t* text);

}  // namespace tuner
