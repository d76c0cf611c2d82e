// Conversions between GBK Text, UTF-8 and UTF-16LE.
#include "web/encoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <span>
#include <string>

#include "support/utf8_of.h"
#include "web/gbk_table_state.h"

namespace dq {
namespace {

using namespace std::literals;

// The UTF-8 literals below are UTF-8 because the source file is; their GBK forms are escaped.
constexpr std::string_view kTianqiGbk = "\xCC\xEC\xC6\xF8";  // 天气

struct ConversionCase {
    std::string_view input;
    std::string_view expected;
};

const ConversionCase kGbkCases[] = {
    {"", ""},
    {"abc 123\r\n\t~", "abc 123\r\n\t~"},
    {"天气", kTianqiGbk},
    {"€", "\x80"},
    {"é", "\xA8\xA6"},
    {"a😀b", "a?b"},
    {"a\xFF" "b", "a?b"},
    {"\xE5\xA4", "?"},  // the first two bytes of 天 and no more
    {"天\0气"sv, "\xCC\xEC"},
};

const ConversionCase kMixedCases[] = {
    {"abcdefgh天ijklmnop", "abcdefgh\xCC\xECijklmnop"},
    {"天\xE5\xA4气", "\xCC\xEC?\xC6\xF8"},  // a cut-off 天 between 天 and 气
    {"天😀气x", "\xCC\xEC?\xC6\xF8x"},
    {"0123456789\x80\x80z", "0123456789??z"},
    {"\xE5\xA4" "abcdefgh天", "?abcdefgh\xCC\xEC"},
    {"气\xED\xA0\x80" "a", "\xC6\xF8???a"},  // an encoded surrogate
};

TEST(Utf8ToAnsi, ConvertsToGbkWithAQuestionMarkForWhatGbkLacks) {
    for (const auto& c : kGbkCases) {
        SCOPED_TRACE(::testing::PrintToString(c.input));
        EXPECT_EQ(Utf8ToAnsi(c.input), c.expected);
    }
}

// The flag says exactly whether decoding the GBK text gives the UTF-8 back: checked for every
// character of the BMP on its own and for the kinds of text that cannot come back.
TEST(Utf8ToAnsi, TellsWhetherTheTextComesBackFromGbk) {
    const auto comesBackAsSaid = [](std::string_view utf8) {
        bool comesBack = false;
        const Text gbk = Utf8ToAnsi(utf8, comesBack);
        EXPECT_EQ(gbk, Utf8ToAnsi(utf8));
        const std::string_view upToNul = utf8.substr(0, utf8.find('\0'));
        EXPECT_EQ(comesBack, AnsiToUtf8(gbk) == upToNul) << ::testing::PrintToString(utf8);
        return comesBack;
    };
    EXPECT_TRUE(comesBackAsSaid("abc 天气 ℃ €"));
    EXPECT_TRUE(comesBackAsSaid("天\0😀"sv));  // what follows the NUL is no part of it
    EXPECT_FALSE(comesBackAsSaid("a😀b"));
    EXPECT_FALSE(comesBackAsSaid("天\xE5\xA4气"));
    int comingBack = 0;
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string utf8 = "a" + testing::Utf8Of(c);
        comingBack += comesBackAsSaid(utf8) ? 1 : 0;
    }
    EXPECT_GT(comingBack, 20000);  // GBK's characters, and not the others
    EXPECT_LT(comingBack, 30000);
}

TEST(Utf8ToAnsi, MalformedBytesAndCharactersBeyondTheBmpAmongAsciiAndChinese) {
    for (const auto& c : kMixedCases) {
        SCOPED_TRACE(::testing::PrintToString(c.input));
        EXPECT_EQ(Utf8ToAnsi(c.input), c.expected);
    }
}

// Whether every case converts as expected; the failures go to stderr.
bool AllConvertAsExpected(std::string_view stage) {
    bool all = true;
    for (const std::span<const ConversionCase> cases :
         {std::span<const ConversionCase>(kGbkCases),
          std::span<const ConversionCase>(kMixedCases)}) {
        for (const auto& c : cases) {
            if (Utf8ToAnsi(c.input) == c.expected) continue;
            std::cerr << stage << ": " << ::testing::PrintToString(c.input) << '\n';
            all = false;
        }
    }
    return all;
}

// A start converts its short texts without filling the per-character table, and the first
// long conversion fills it; both ways give the same bytes. Runs in a process of its own (the
// test binary started again for this test alone), since an earlier test may have filled it.
TEST(Utf8ToAnsiDeathTest, ShortTextsBeforeTheTableConvertAsTheTableDoes) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool fine = !GbkFormTableFilled() && AllConvertAsExpected("before the table");
            if (GbkFormTableFilled()) {
                std::cerr << "short texts filled the table\n";
                fine = false;
            }
            std::string page;
            for (int i = 0; i < 4000; ++i) page += "天气 ok ";  // 40 kB
            const Text gbk = Utf8ToAnsi(page);
            if (!GbkFormTableFilled() || gbk.size() != 4000u * 8 ||
                gbk.substr(0, 4) != kTianqiGbk) {
                std::cerr << "the page did not fill the table or converted wrongly\n";
                fine = false;
            }
            fine = AllConvertAsExpected("through the table") && fine;
            std::exit(fine ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(AnsiToUtf8, ConvertsGbkToUtf8) {
    const ConversionCase cases[] = {
        {"", ""},
        {"abc 123\r\n", "abc 123\r\n"},
        {kTianqiGbk, "天气"},
        {"\x80", "€"},
        {"\xA1\xA1" "x", "\u3000x"},
        {"\xCC\xEC\0\xC6\xF8"sv, "天"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.input));
        EXPECT_EQ(AnsiToUtf8(c.input), c.expected);
    }
}

struct ToUtf16Case {
    std::string_view ansi;
    bool leaveTerminatorOff;
    std::string_view expected;
};

TEST(AnsiToUtf16, WritesLittleEndianUnitsWithAnOptionalTerminator) {
    const ToUtf16Case cases[] = {
        {"ab", false, "a\0b\0\0\0"sv},
        {"ab", true, "a\0b\0"sv},
        {"", false, ""},
        {"", true, ""},
        {kTianqiGbk, false, "\x29\x59\x14\x6C\0\0"sv},  // U+5929 U+6C14
        {"\x80", true, "\xAC\x20"},                      // U+20AC
        {"a\0b"sv, true, "a\0"sv},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.ansi) + (c.leaveTerminatorOff ? " bare" : ""));
        EXPECT_EQ(AnsiToUtf16(c.ansi, c.leaveTerminatorOff), c.expected);
    }
}

TEST(Utf16ToAnsi, StopsAtAZeroUnitAndComposesMarksWhereGbkHasTheLetter) {
    const ConversionCase cases[] = {
        {"a\0b\0"sv, "ab"},
        {"a\0b\0c"sv, "ab"},
        {"a\0\0\0b\0"sv, "a"},
        {"", ""},
        {"\x29\x59\x14\x6C"sv, kTianqiGbk},
        {"\xAC\x20", "\x80"},
        {"e\0\x01\x03"sv, "\xA8\xA6"},  // e + combining acute: é
        {"u\0\x08\x03"sv, "\xA8\xB9"},  // u + combining diaeresis: ü
        {"x\0e\0\x01\x03y\0"sv, "x\xA8\xA6y"},
        {"\x3D\xD8\x00\xDE"sv, "?"},    // an emoji as a surrogate pair
        {"\x00\xD8" "a\0"sv, "?a"},     // a lone high surrogate
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.input));
        EXPECT_EQ(Utf16ToAnsi(c.input), c.expected);
    }
}

TEST(Utf16ToAnsi, KeepsTheBaseLetterWhenGbkLacksTheComposedOne) {
    // a + combining diaeresis composes to ä, which GBK lacks: the letter stays and the mark
    // alone becomes a question mark.
    EXPECT_EQ(Utf16ToAnsi("a\0\x08\x03"sv), "a?");
}

// About 1 MB of GBK: Chinese, ASCII, the euro sign and the full-width space mixed.
Text MegabyteOfGbk() {
    const Text piece = Text(kTianqiGbk) + "sunny 25\x80\xA1\xA1\r\n";
    Text text;
    while (text.size() < 1024 * 1024) text += piece;
    return text;
}

TEST(EncodingRoundTrip, AMegabyteConvertsBothWaysUncut) {
    const Text gbk = MegabyteOfGbk();
    const Text utf8 = AnsiToUtf8(gbk);
    EXPECT_GT(utf8.size(), gbk.size());
    EXPECT_EQ(Utf8ToAnsi(utf8), gbk);
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16(gbk)), gbk);
    EXPECT_EQ(AnsiToUtf16(gbk, true).size(), AnsiToUtf16(gbk).size() - 2);
}

TEST(EncodingRoundTrip, OutputThreeTimesTheInputIsNeverCut) {
    // Each one-byte euro sign becomes three UTF-8 bytes.
    const Text euros(1024 * 1024, '\x80');
    Text expected;
    for (std::size_t i = 0; i < euros.size(); ++i) expected += "€";
    EXPECT_EQ(AnsiToUtf8(euros), expected);
    EXPECT_EQ(Utf8ToAnsi(expected), euros);
}

}  // namespace
}  // namespace dq
