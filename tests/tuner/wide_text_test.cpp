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

}  // namespace
