// The text commands through the program logic's face, against the examples and the
// clamping rules; GBK double-byte characters where stepping matters.
#include <gtest/gtest.h>

#include <string>

#include "logic/commands.h"

namespace {

std::string str(const logic::Text& t) { return t.c_str(); }

// "中" is D6 D0 and "文" is CE C4 in GBK; "\xB0\x61" is a double-byte character
// whose second byte is the letter a.
constexpr const char kWithTrailA[] = "x\xB0\x61z";

TEST(TextLengthAndCuts, CountBytesAndClampCounts) {
    EXPECT_EQ(logic::text_length("abc"), 3);
    EXPECT_EQ(logic::text_length("中文"), 4);

    EXPECT_EQ(str(logic::left_text("abcdef", 2)), "ab");
    EXPECT_EQ(str(logic::left_text("abcdef", 10)), "abcdef");
    EXPECT_EQ(logic::left_text("abcdef", 0).get(), nullptr);
    EXPECT_EQ(str(logic::right_text("abcdef", 2)), "ef");
    EXPECT_EQ(str(logic::right_text("abcdef", 99)), "abcdef");
    EXPECT_EQ(logic::right_text("abcdef", 0).get(), nullptr);
    // A byte count may cut a double-byte character in two.
    EXPECT_EQ(str(logic::left_text("中文", 3)), "中\xCE");
    EXPECT_EQ(str(logic::right_text("中文", 1)), "\xC4");
}

TEST(BlankText, SpacesOfTheGivenLength) {
    const logic::Text spaces = logic::blank_text(261);
    EXPECT_EQ(str(spaces), std::string(261, ' '));
    EXPECT_EQ(logic::blank_text(0).get(), nullptr);
}

TEST(ToUpperCase, ChangesAsciiLettersOnly) {
    EXPECT_EQ(str(logic::to_upper_case("abc.Txt-9z")), "ABC.TXT-9Z");
    EXPECT_EQ(str(logic::to_upper_case("中文ab")), "中文AB");
    // The second byte of a double-byte character stays even when it is a letter.
    EXPECT_EQ(str(logic::to_upper_case(kWithTrailA)), "X\xB0\x61Z");
    // Full-width letters are not folded.
    EXPECT_EQ(str(logic::to_upper_case("ａｂ")), "ａｂ");
    // A lead byte right before the end does not walk past it.
    EXPECT_EQ(str(logic::to_upper_case("a\xB0")), "A\xB0");
    EXPECT_EQ(logic::to_upper_case("").get(), nullptr);
}

TEST(FindText, FirstOccurrenceFromTheStartPosition) {
    EXPECT_EQ(logic::find_text("abc.txt", "."), 4);
    EXPECT_EQ(logic::find_text("abc", "x"), -1);
    EXPECT_EQ(logic::find_text("abcabc", "abc", 5), -1);
    EXPECT_EQ(logic::find_text("abcabc", "abc", 4), 4);
    // Positions below 1 start at the beginning; past the end nothing is found.
    EXPECT_EQ(logic::find_text("abcabc", "abc", -7), 1);
    EXPECT_EQ(logic::find_text("abcabc", "c", 7), -1);
}

TEST(FindText, EmptySoughtTextMatchesANonEmptyWindowAtOne) {
    EXPECT_EQ(logic::find_text("abc", ""), 1);
    EXPECT_EQ(logic::find_text("abc", "", 3), 1);
    EXPECT_EQ(logic::find_text("abc", "", 4), -1);
    EXPECT_EQ(logic::find_text("", ""), -1);
}

TEST(FindText, CaseInsensitiveOnlyWhenAsked) {
    EXPECT_EQ(logic::find_text("path\\wegame.exe", "WEGAME", std::nullopt, true), 6);
    EXPECT_EQ(logic::find_text("path\\wegame.exe", "WEGAME", std::nullopt, false), -1);
    EXPECT_EQ(logic::find_text("path\\wegame.exe", "WEGAME"), -1);
}

TEST(FindText, NeverMatchesOnTheSecondByteOfACharacter) {
    EXPECT_EQ(logic::find_text(kWithTrailA, "a"), -1);
    EXPECT_EQ(logic::find_text(kWithTrailA, "z"), 4);
    EXPECT_EQ(logic::find_text("中文", "\xD0\xCE"), -1);  // spans two characters
    EXPECT_EQ(logic::find_text("中文", "文"), 3);
    // Folding letters never makes a double-byte character match another one whose
    // second byte is the same letter in the other case.
    EXPECT_EQ(logic::find_text("x\xB0\x41z", "\xB0\x61", std::nullopt, true), -1);
    EXPECT_EQ(logic::find_text("x\xB0\x61z", "\xB0\x61Z", std::nullopt, true), 2);
}

TEST(FindTextBackwards, LastOccurrenceWhollyBeforeTheStartPosition) {
    EXPECT_EQ(logic::find_text_backwards("abcabc", "abc"), 4);
    EXPECT_EQ(logic::find_text_backwards("abcabc", "abc", 6), 1);
    EXPECT_EQ(logic::find_text_backwards("abcabc", "abc", 7), 4);
    EXPECT_EQ(logic::find_text_backwards("abcabc", "abc", 3), -1);
    EXPECT_EQ(logic::find_text_backwards("abcabc", "abc", -5), -1);
    EXPECT_EQ(logic::find_text_backwards("a\\b\\c", "\\"), 4);
    EXPECT_EQ(logic::find_text_backwards("ABCabc", "abc", std::nullopt, true), 4);
    EXPECT_EQ(logic::find_text_backwards("ABCxyz", "abc", std::nullopt, true), 1);
    EXPECT_EQ(logic::find_text_backwards(kWithTrailA, "a"), -1);
    EXPECT_EQ(logic::find_text_backwards("abc", ""), 1);
    EXPECT_EQ(logic::find_text_backwards("abc", "", 1), -1);
}

TEST(CompareText, SignAndCaseSensitivity) {
    EXPECT_NE(logic::compare_text("abc", "ABC", true), 0);
    EXPECT_EQ(logic::compare_text("abc", "ABC", false), 0);
    EXPECT_EQ(logic::compare_text("wegame.exe", "WeGame.EXE", false), 0);
    EXPECT_LT(logic::compare_text("abc", "abd", true), 0);
    EXPECT_GT(logic::compare_text("abd", "abc", true), 0);
    EXPECT_LT(logic::compare_text("ab", "abc", true), 0);
    EXPECT_GT(logic::compare_text("abc", "", false), 0);
    EXPECT_EQ(logic::compare_text("", "", true), 0);
    // Ignoring case compares lower-case forms: "_" sorts before "a".
    EXPECT_LT(logic::compare_text("_", "A", false), 0);
    // Double-byte characters compare as units, after every single-byte character.
    EXPECT_EQ(logic::compare_text("中文", "中文", true), 0);
    EXPECT_LT(logic::compare_text("z", "中", true), 0);
    EXPECT_NE(logic::compare_text("\xB0\x41", "\xB0\x61", false), 0);
}

std::vector<std::string> elements(const logic::TextArray& array) {
    std::vector<std::string> out;
    for (int i = 1; i <= array.size(); ++i) {
        const char* e = array.at(i, {0, 0});
        out.push_back(e ? e : "<null>");
    }
    return out;
}
using Pieces = std::vector<std::string>;

TEST(SplitText, PiecesBetweenDelimiters) {
    EXPECT_EQ(elements(logic::split_text("a|b||c|", "|")), (Pieces{"a", "b", "<null>", "c"}));
    EXPECT_EQ(elements(logic::split_text("|a", "|")), (Pieces{"<null>", "a"}));
    EXPECT_EQ(elements(logic::split_text("a,b,c")), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(elements(logic::split_text("a--b-c", "--")), (Pieces{"a", "b-c"}));
    EXPECT_EQ(elements(logic::split_text("abc", "|")), (Pieces{"abc"}));
    EXPECT_EQ(elements(logic::split_text("abc", "")), (Pieces{"abc"}));
    EXPECT_EQ(elements(logic::split_text("", "|")), Pieces{});
    EXPECT_EQ(elements(logic::split_text("")), Pieces{});
}

TEST(SplitText, LimitDropsTheRest) {
    EXPECT_EQ(elements(logic::split_text("a|b||c|", "|", 2)), (Pieces{"a", "b"}));
    EXPECT_EQ(elements(logic::split_text("a|b||c|", "|", 3)), (Pieces{"a", "b", "<null>"}));
    EXPECT_EQ(elements(logic::split_text("a|b", "|", 5)), (Pieces{"a", "b"}));
    EXPECT_EQ(elements(logic::split_text("a|b", "|", 0)), Pieces{});
}

TEST(SplitText, DelimiterNeverMatchesInsideADoubleByteCharacter) {
    EXPECT_EQ(elements(logic::split_text("中a文", "a")), (Pieces{"中", "文"}));
    EXPECT_EQ(elements(logic::split_text(kWithTrailA, "a")), (Pieces{kWithTrailA}));
    EXPECT_EQ(elements(logic::split_text("中，文", "，")), (Pieces{"中", "文"}));
}

}  // namespace
