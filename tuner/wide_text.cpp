#include "tuner/wide_text.h"

#include <cstring>

#include "tuner/dll_commands.h"
#include "tuner/routines.h"

namespace tuner {

WideText::WideText(const char* text) {
    if (!text || !*text) return;
    constexpr logic::Site kMeasure = {kRoutineWideText, 1};
    constexpr logic::Site kCount = {kRoutineWideText, 2};
    constexpr logic::Site kConvert = {kRoutineWideText, 3};
    constexpr rt::u32 kCodePage936 = 936;
    constexpr rt::i32 kWholeString = -1;

    // The source with one more NUL byte after it.
    const rt::u32 length = dll::strlen(text, kMeasure);
    char* source = static_cast<char*>(logic::allocate(static_cast<rt::i32>(length + 2)));
    std::memcpy(source, text, length);
    source[length] = source[length + 1] = '\0';

    const rt::i32 needed = dll::MultiByteToWideChar(kCodePage936, 0, source, kWholeString, nullptr, 0, kCount);
    if (needed > 0) {
        p_ = static_cast<wchar_t*>(logic::allocate(2 * needed));
        std::memset(p_, 0, 2 * static_cast<size_t>(needed));
        dll::MultiByteToWideChar(kCodePage936, 0, source, kWholeString, p_, needed, kConvert);
    }
    logic::release(source);
}

}  // namespace tuner
