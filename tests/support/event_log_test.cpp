// The expected-sequence comparison every windowed suite relies on: a comparison that
// let a wrong sequence through would make their event checks pass unseen.
#include "tests/support/event_log.h"

#include <gtest/gtest.h>

namespace testing_support {
namespace {

constexpr u32 kA = 0x16010002, kB = 0x16010003;

const std::vector<LoggedEvent> kLog = {
    {0, kWindowId, kA, {}},
    {-7, kWindowId, kB, {}},
    {7, kSecondWindowId, kA, {120, 5}},
};

TEST(EventSequence, MatchesInOrderWithArgumentsAndWindow) {
    EXPECT_TRUE(events_are(kLog, {{0, kA}, {-7, kB}, {7, kA, {120, 5}, kSecondWindow}}));
    EXPECT_TRUE(events_are({}, {}));
    EXPECT_TRUE(events_are(kLog, {{0, kA}, {-7, kB}, {7, kA, {}, kSecondWindow | kAnyArgs}}));

    EXPECT_FALSE(events_are(kLog, {{-7, kB}, {0, kA}, {7, kA, {120, 5}, kSecondWindow}})) << "order";
    EXPECT_FALSE(events_are(kLog, {{0, kB}, {-7, kB}, {7, kA, {120, 5}, kSecondWindow}})) << "component";
    EXPECT_FALSE(events_are(kLog, {{0, kA}, {-7, kB}, {7, kA, {120}, kSecondWindow}})) << "arguments";
    EXPECT_FALSE(events_are(kLog, {{0, kA}, {-7, kB}, {7, kA, {120, 5}}})) << "window";
    EXPECT_FALSE(events_are(kLog, {{0, kA, {}, kSecondWindow}, {-7, kB}, {7, kA, {120, 5}, kSecondWindow}}))
        << "the first window is not the second";
}

TEST(EventSequence, OptionalEntriesMayBeMissingButNothingElse) {
    EXPECT_TRUE(events_are(kLog, {{0, kA}, {2, kA, {}, kOptional}, {-7, kB}, {7, kA, {}, kAnyArgs | kSecondWindow},
                                  {-8, kB, {}, kOptional}}));
    EXPECT_TRUE(events_are(kLog, {{0, kA, {}, kOptional}, {-7, kB}, {7, kA, {}, kAnyArgs | kSecondWindow}}))
        << "an optional entry that is there is consumed";
    EXPECT_FALSE(events_are(kLog, {{0, kA}, {-7, kB}})) << "one more was logged";
    EXPECT_FALSE(events_are(kLog, {{0, kA}, {-7, kB}, {7, kA, {}, kAnyArgs | kSecondWindow}, {-8, kB}}))
        << "a required entry is missing";
    EXPECT_FALSE(events_are({}, {{0, kA}}));
}

TEST(EventSequence, AMismatchListsBothSequencesAndMarksWhereTheyPart) {
    const ::testing::AssertionResult r = events_are(kLog, {{0, kA}, {-8, kB}});
    ASSERT_FALSE(r);
    EXPECT_EQ(std::string(r.message()),
              "the events differ at the marked entries\n"
              "expected:\n"
              "    0@16010002\n"
              "  > -8@16010003\n"
              "logged:\n"
              "    0@16010002\n"
              "  > -7@16010003\n"
              "    7@16010002/2 120 5\n");
    const std::string short_log = events_are({kLog[0]}, {{0, kA}, {1, kB, {}, kAnyArgs}}).message();
    EXPECT_NE(short_log.find("an expected one is missing"), std::string::npos) << short_log;
    EXPECT_NE(short_log.find("  > 1@16010003 ...\n"), std::string::npos) << short_log;
    EXPECT_NE(short_log.find("  > (end)\n"), std::string::npos) << short_log;
}

}  // namespace
}  // namespace testing_support
