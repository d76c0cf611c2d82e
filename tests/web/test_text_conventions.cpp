// Searching, splitting, trimming, cutting, case changes and number reading on GBK Text.
#include "web/text.h"

#include <gtest/gtest.h>

#include <limits>

namespace dq::text {
namespace {

using namespace std::literals;

// GBK samples used below (escaped because the source files are UTF-8):
//   "\xA1\xB1" is “ and "\xB1\xA1" is 绷; "\xB1\xB1" is 北; "\x81\x40" is 丂, whose trailing
//   byte is the ASCII code of "@"; "\x81\x41" and "\x81\x61" are two different characters
//   (丄 and 乧) whose trailing bytes are "A" and "a".
constexpr std::string_view kQuoteAndBeng = "\xA1\xB1\xB1\xA1";  // “绷: B1 B1 straddles them
constexpr std::string_view kBei = "\xB1\xB1";                   // 北

struct FindCase {
    std::string_view text;
    std::string_view needle;
    std::int64_t start;
    bool ignoreCase;
    std::size_t expected;
};

TEST(TextFind, StepsByWholeCharactersFromTheStartPosition) {
    const FindCase cases[] = {
        {"abcabc", "bc", 1, false, 2},
        {"abcabc", "bc", 3, false, 5},
        {"abcabc", "bc", 5, false, 5},
        {"abcabc", "bc", 6, false, 0},
        {"abcabc", "bc", 0, false, 2},
        {"abcabc", "bc", -7, false, 2},
        {"abcabc", "bc", 99, false, 0},
        {"abc", "", 1, false, 0},
        {"ab", "abc", 1, false, 0},
        {"", "a", 1, false, 0},
        // 北 occurs only across the boundary of “ and 绷.
        {kQuoteAndBeng, kBei, 1, false, 0},
        {"\xA1\xB1\xB1\xA1\xB1\xB1", kBei, 1, false, 5},
        {"\xA1\xB1\xB1\xB1", kBei, 1, false, 3},
        // A long ASCII run before the characters must not change the stepping.
        {"0123456789abcdefghij\xA1\xB1\xB1\xA1", kBei, 1, false, 0},
        {"0123456789abcdefghij\xA1\xB1\xB1\xA1\xB1\xB1", kBei, 1, false, 25},
        {"0123456789\xA1\xB1\xB1\xA1" "0123456789\xB1\xB1", kBei, 1, false, 25},
        // A trailing byte in the ASCII range is part of its character.
        {"\x81\x40", "@", 1, false, 0},
        {"\x81\x40@", "@", 1, false, 3},
        // The start position is where stepping begins, even inside a character.
        {"\xB0\xA1\xA1\xA1", "\xA1\xA1", 1, false, 3},
        {"\xB0\xA1\xA1\xA1", "\xA1\xA1", 2, false, 2},
        // Ignoring case folds ASCII letters only, never a trailing byte.
        {"Hello WORLD", "world", 1, true, 7},
        {"Hello WORLD", "world", 1, false, 0},
        {"\x81\x41", "\x81\x61", 1, true, 0},
        {"\x81\x41", "a", 1, true, 0},
        {"x\x81\x41" "A", "a", 1, true, 4},
        {"[Set-Cookie]", "SET-COOKIE", 1, true, 2},
        // A character whose trailing byte is ASCII ends before the bytes that follow it.
        {"\x81\x41\xB1\xB1", kBei, 1, false, 3},
        // Both cases of a first letter are looked for, each also as a trailing byte.
        {"\x81" "axxxxxxxxAB", "ab", 1, true, 11},
        {"\x81" "axxxxxxxxA\x81" "Ab", "ab", 1, true, 0},
        {"bbbbbbbbbbbbbbbbbbbbbbbA\x81" "aB" "ab", "AB", 1, true, 28},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text=" << testing::PrintToString(c.text)
                                        << " needle=" << testing::PrintToString(c.needle)
                                        << " start=" << c.start);
        EXPECT_EQ(Find(c.text, c.needle, c.start, c.ignoreCase), c.expected);
    }
}

TEST(TextFind, FindsAMarkerAfterAMegabyteOfChineseText) {
    // 1 MB of “绷, where every 北 straddles two characters, then one real 北.
    Text page;
    for (int i = 0; i < 256 * 1024; ++i) page += kQuoteAndBeng;
    page += kBei;
    EXPECT_EQ(Find(page, kBei), page.size() - 1);
    EXPECT_EQ(FindLast(page, kBei), page.size() - 1);
}

struct FindLastCase {
    std::string_view text;
    std::string_view needle;
    bool ignoreCase;
    std::size_t expected;
};

TEST(TextFindLast, ReturnsTheLastCharacterAlignedMatch) {
    const FindLastCase cases[] = {
        {"abcabc", "bc", false, 5},
        {"aaa", "aa", false, 2},
        {"abc", "x", false, 0},
        {"abc", "", false, 0},
        {"aXbx", "X", true, 4},
        {"aXbx", "X", false, 2},
        // 北绷 then 北 straddling “ and 绷 again: only the first one is a character.
        {"\xB1\xB1\xA1\xB1\xB1\xA1", kBei, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " / " + testing::PrintToString(c.needle));
        EXPECT_EQ(FindLast(c.text, c.needle, c.ignoreCase), c.expected);
    }
}

struct SplitCase {
    std::string_view text;
    std::string_view separator;
    std::vector<Text> expected;
};

TEST(TextSplit, KeepsInnerAndLeadingEmptyPiecesButNotAFinalOne) {
    const SplitCase cases[] = {
        {"a;b;c", ";", {"a", "b", "c"}},
        {";a", ";", {"", "a"}},
        {"a;;b", ";", {"a", "", "b"}},
        {"a;", ";", {"a"}},
        {"a;;", ";", {"a", ""}},
        {";", ";", {""}},
        {"", ";", {}},
        {"abc", ";", {"abc"}},
        {"abc", "", {"abc"}},
        {"a=1; b=2; ", "; ", {"a=1", "b=2"}},
        {"l1\r\n\r\nl2\r\n", "\r\n", {"l1", "", "l2"}},
        // The separator 北 inside “绷 is no separator.
        {kQuoteAndBeng, kBei, {Text(kQuoteAndBeng)}},
        {"\xA1\xB1\xB1\xB1" "x", kBei, {"\xA1\xB1", "x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " at " + testing::PrintToString(c.separator));
        EXPECT_EQ(Split(c.text, c.separator), c.expected);
    }
}

struct CountCase {
    std::string_view text;
    std::string_view needle;
    std::size_t expected;
};

TEST(TextCount, CountsNonOverlappingCharacterAlignedOccurrences) {
    const CountCase cases[] = {
        {"aaaa", "aa", 2},
        {"abcab", "ab", 2},
        {"abc", "", 0},
        {"\xA1\xB1\xB1\xA1\xB1\xB1", kBei, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(Count(c.text, c.needle), c.expected);
    }
}

struct ReplaceCase {
    std::string_view text;
    std::string_view from;
    std::string_view to;
    bool ignoreCase;
    std::string_view expected;
};

TEST(TextReplaceAll, ReplacesLeftToRightWithoutRescanningTheReplacement) {
    const ReplaceCase cases[] = {
        {"a-b-c", "-", "+", false, "a+b+c"},
        {"aaa", "aa", "b", false, "ba"},
        {"a", "a", "aa", false, "aa"},
        {"abc", "", "x", false, "abc"},
        {"abc", "x", "y", false, "abc"},
        {"", "x", "y", false, ""},
        {"Set-Cookie: x SET-COOKIE:", "set-cookie:", "", true, " x "},
        {"Set-Cookie: x SET-COOKIE:", "set-cookie:", "", false, "Set-Cookie: x SET-COOKIE:"},
        {kQuoteAndBeng, kBei, "X", false, kQuoteAndBeng},
        {"\xB1\xB1" "a\xB1\xB1", kBei, "-", false, "-a-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " " + testing::PrintToString(c.from));
        EXPECT_EQ(ReplaceAll(c.text, c.from, c.to, c.ignoreCase), c.expected);
    }
}

struct TrimCase {
    std::string_view text;
    std::string_view expected;
};

TEST(TextTrim, RemovesAsciiAndFullWidthSpacesOnly) {
    const TrimCase cases[] = {
        {"  a b  ", "a b"},
        {"\xA1\xA1" "a\xA1\xA1", "a"},
        {"\xA1\xA1\xA1\xA1 x \xA1\xA1 ", "x"},
        {"\ta\r\n", "\ta\r\n"},
        {"   ", ""},
        {"\xA1\xA1", ""},
        {"", ""},
        // 啊 (B0 A1) followed by a lone A1: the last two bytes are no full-width space.
        {"x\xB0\xA1\xA1", "x\xB0\xA1\xA1"},
        {"x\xB0\xA1\xA1\xA1", "x\xB0\xA1"},
        {"\xB0\xA1 ", "\xB0\xA1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(Trim(c.text), c.expected);
    }
}

TEST(TextCuts, ClampToTheText) {
    EXPECT_EQ(Left("abc", 2), "ab");
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(Right("abc", 9), "abc");
    EXPECT_EQ(Right("abc", 0), "");
    EXPECT_EQ(Right("abc", -3), "");
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abc", 3, 10), "c");
    EXPECT_EQ(Mid("abc", 4, 1), "");
    EXPECT_EQ(Mid("abc", 2, 0), "");
    EXPECT_EQ(Mid("abc", 2, -1), "");
}

TEST(TextCase, ChangesAsciiLettersThatBeginACharacterOnly) {
    EXPECT_EQ(Upper("aBc\x81\x61" "z1"), "ABC\x81\x61" "Z1");
    EXPECT_EQ(Lower("AbC\x81\x41" "Z1"), "abc\x81\x41" "z1");
    EXPECT_EQ(Upper(""), "");
}

struct EqualCase {
    std::string_view a;
    std::string_view b;
    bool ignoreCase;
    bool expected;
};

TEST(TextEqual, IsByteExactOrAsciiCaseBlind) {
    const EqualCase cases[] = {
        {"abc", "abc", false, true},
        {"abc", "ABC", false, false},
        {"abc", "ABC", true, true},
        {"abc", "abcd", true, false},
        {"", "", false, true},
        {"\x81\x41", "\x81\x61", true, false},
        {"\xCC\xEC" "A", "\xCC\xEC" "a", true, true},  // 天A, 天a
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.a) + " vs " + testing::PrintToString(c.b));
        EXPECT_EQ(Equal(c.a, c.b, c.ignoreCase), c.expected);
    }
}

struct ToIntCase {
    std::string_view text;
    std::int32_t expected;
};

TEST(TextToInt, ReadsTheLeadingNumberAndSaturates) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const ToIntCase cases[] = {
        {"42", 42},
        {"  8443", 8443},
        {"\t\n 8", 8},
        {"-7x", -7},
        {"+5", 5},
        {"1 2", 1},
        {"abc", 0},
        {"", 0},
        {"  -", 0},
        {"--1", 0},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"99999999999999999999999", kMax},
        {"-2147483648", kMin},
        {"-99999999999999999999999", kMin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(ToInt(c.text), c.expected);
    }
}

TEST(TextFromBytes, StopsAtTheFirstNul) {
    EXPECT_EQ(TextFromBytes("ab\0cd"sv), "ab");
    EXPECT_EQ(TextFromBytes("\0ab"sv), "");
    EXPECT_EQ(TextFromBytes("abc"), "abc");
}

}  // namespace
}  // namespace dq::text
