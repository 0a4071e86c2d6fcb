#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>

#include "tests/tuner/tuner_test_program.h"
#include "tuner/wide_text.h"

namespace {

TEST(WideText, ConvertsFromCodePage936) {
    tuner_tests::start_tool_runtime();
    const tuner::WideText path("D:\\英雄联盟\\Game\\Config");
    ASSERT_NE(path.get(), nullptr);
    EXPECT_STREQ(path.get(), L"D:\\\u82F1\u96C4\u8054\u76DF\\Game\\Config");
    const tuner::WideText ascii("Administrators");
    EXPECT_STREQ(ascii.get(), L"Administrators");
}

TEST(WideText, AnEmptyTextIsNoString) {
    tuner_tests::start_tool_runtime();
    EXPECT_EQ(tuner::WideText("").get(), nullptr);
    EXPECT_EQ(tuner::WideText(nullptr).get(), nullptr);
}

TEST(WideText, NamesComeBackInCodePage936OrAsUtf8) {
    tuner_tests::start_tool_runtime();
    bool exact = false;
    EXPECT_STREQ(tuner::gbk_from_wide(L"X:\\WeGameApps\\\u82F1\u96C4\u8054\u76DF", &exact).get(),
                 "X:\\WeGameApps\\英雄联盟");
    EXPECT_TRUE(exact);
    // No GBK form: nothing that could be taken for another name.
    for (const wchar_t* name : {L"\uD55C\uAD6D\uC5B4.log", L"\U0001F600.log"}) {
        exact = true;
        EXPECT_EQ(tuner::gbk_from_wide(name, &exact).get(), nullptr);
        EXPECT_FALSE(exact);
    }
    EXPECT_STREQ(tuner::utf8_from_wide(L"\uD55C\uAD6D\uC5B4.log \U0001F600").get(),
                 "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4.log \xF0\x9F\x98\x80");
    EXPECT_EQ(tuner::utf8_from_wide(nullptr).get(), nullptr);
}

}  // namespace
