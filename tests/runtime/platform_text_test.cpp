// Texts crossing to the platform: GBK in the program, UTF-16 at the wide functions,
// whatever the system's code page.
#include <gtest/gtest.h>

#include <string>

#include "runtime/platform_text.h"

namespace {

TEST(PlatformText, GbkTextsCrossBothWaysUnchanged) {
    struct Row {
        const char* gbk;
        std::wstring wide;
    } rows[] = {
        {"优化相关", L"\u4f18\u5316\u76f8\u5173"},
        {"X:\\WeGameApps\\英雄联盟", L"X:\\WeGameApps\\\u82f1\u96c4\u8054\u76df"},
        // A double-byte character whose second byte is a backslash stays one character.
        {"C:\\乗\\game.cfg", L"C:\\\u4e57\\game.cfg"},
        {"plain", L"plain"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(rt::to_platform(r.gbk), r.wide) << r.gbk;
        EXPECT_EQ(rt::from_platform(r.wide.c_str()), r.gbk) << r.gbk;
        std::string exact;
        EXPECT_TRUE(rt::from_platform_exact(r.wide.c_str(), exact));
        EXPECT_EQ(exact, r.gbk);
    }
    EXPECT_EQ(rt::to_platform(nullptr), L"");
    EXPECT_EQ(rt::to_platform("abc", 2), L"ab");
}

TEST(PlatformText, NamesWithoutAGbkFormAreToldApart) {
    const wchar_t* korean = L"\ud55c\uad6d\uc5b4.log";  // 한국어.log
    const wchar_t* emoji = L"\U0001F600.log";
    const wchar_t* near_ascii = L"\u00e2pp";  // âpp, which a best fit would make "app"
    for (const wchar_t* name : {korean, emoji, near_ascii}) {
        std::string gbk = "left over";
        EXPECT_FALSE(rt::from_platform_exact(name, gbk));
        EXPECT_TRUE(gbk.empty());
        EXPECT_NE(rt::from_platform(name).find('?'), std::string::npos);
    }
    const std::wstring both = std::wstring(korean) + emoji;
    EXPECT_EQ(rt::utf8_from_platform(both.c_str(), both.size()),
              "\xed\x95\x9c\xea\xb5\xad\xec\x96\xb4.log\xf0\x9f\x98\x80.log");
}

}  // namespace
