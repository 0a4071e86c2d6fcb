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

namespace {

constexpr rt::u32 kCodePageUtf8 = 65001;
constexpr rt::u32 kNoBestFit = 0x400;

// Counts, then fills a block of that size plus the closing NUL. The default
// character report is asked for only where the code page has one (UTF-8 has none).
// A character without a GBK form of its own counts as having none, even where the
// platform knows a near one ("â" as "a"): that would name another file.
logic::Text narrow(const wchar_t* text, rt::u32 code_page, bool* exact, rt::i32 site) {
    if (exact) *exact = true;
    if (!text || !*text) return {};
    constexpr rt::i32 kWholeString = -1;
    rt::i32 used_default = 0;
    rt::i32* report = code_page == kCodePageUtf8 ? nullptr : &used_default;
    const rt::u32 flags = code_page == kCodePageUtf8 ? 0 : kNoBestFit;
    const rt::i32 needed = dll::WideCharToMultiByte(code_page, flags, text, kWholeString, nullptr, 0, nullptr,
                                                    report, {kRoutineWideText, site});
    if (needed <= 0) return {};
    char* out = static_cast<char*>(logic::allocate(needed + 1));
    std::memset(out, 0, static_cast<size_t>(needed) + 1);
    dll::WideCharToMultiByte(code_page, flags, text, kWholeString, out, needed, nullptr, report,
                             {kRoutineWideText, site + 1});
    logic::Text result = logic::Text::adopt(out);
    if (used_default) {
        if (exact) *exact = false;
        return {};
    }
    return result;
}

}  // namespace

logic::Text gbk_from_wide(const wchar_t* text, bool* exact) { return narrow(text, 936, exact, 4); }

logic::Text utf8_from_wide(const wchar_t* text) { return narrow(text, kCodePageUtf8, nullptr, 6); }

}  // namespace tuner
