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
    constexpr rt::u32 kWholeString = static_cast<rt::u32>(-1);

    // The source with one more NUL byte after it.
    const rt::u32 length = logic::call_dll(kStrlen, convention_of(kStrlen), {logic::word(text)}, kMeasure);
    char* source = static_cast<char*>(logic::allocate(static_cast<rt::i32>(length + 2)));
    std::memcpy(source, text, length);
    source[length] = source[length + 1] = '\0';

    const rt::u32 needed = logic::call_dll(kMultiByteToWideChar, convention_of(kMultiByteToWideChar),
                                           {kCodePage936, 0, logic::word(source), kWholeString, 0, 0}, kCount);
    if (needed > 0) {
        p_ = static_cast<wchar_t*>(logic::allocate(static_cast<rt::i32>(2 * needed)));
        std::memset(p_, 0, 2 * needed);
        logic::call_dll(kMultiByteToWideChar, convention_of(kMultiByteToWideChar),
                        {kCodePage936, 0, logic::word(source), kWholeString, logic::word(p_), needed}, kConvert);
    }
    logic::release(source);
}

}  // namespace tuner
