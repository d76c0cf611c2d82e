#include "services/ascii_passthrough.h"

#include "web/encoding.h"

#include <gtest/gtest.h>

#include <random>

namespace dq::services {
namespace {

// Random byte strings drawn from pieces that stress character boundaries: ASCII, lead bytes
// with trails in and out of the ASCII range, the single bytes 80 and FF, broken sequences.
std::string RandomText(std::mt19937& rng, const std::vector<std::string>& pieces) {
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    std::string out;
    for (int n = length(rng); n > 0; --n) out += pieces[pick(rng)];
    return out;
}

TEST(AsciiPassthrough, GbkGivesWhatTheConverterGivesForTheWhole) {
    const std::vector<std::string> pieces = {
        "a", "<p>", " ", "\r\n", "\xC4\xE3", "\xBA\xC3", "\x81\x40", "\x81\x7E", "\x81",
        "\x80", "\xFF", "\xA1\xA1", "\xFE", "\x7F", "@", "\xD2\xFD"};
    std::mt19937 rng(7);
    for (int k = 0; k < 20000; ++k) {
        const std::string text = RandomText(rng, pieces);
        ASSERT_EQ(AnsiToUtf8KeepingAscii(text), AnsiToUtf8(text)) << ::testing::PrintToString(text);
    }
}

TEST(AsciiPassthrough, Utf8GivesWhatTheConverterGivesForTheWhole) {
    const std::vector<std::string> pieces = {
        "a", "<p>", " ", "\n", "中", "文", "€", "é", "😀", "\xE4", "\xE4\xB8", "\x80", "\xFF",
        "\xC0\xAF", "　"};
    std::mt19937 rng(11);
    for (int k = 0; k < 20000; ++k) {
        const std::string text = RandomText(rng, pieces);
        ASSERT_EQ(Utf8ToAnsiKeepingAscii(text), Utf8ToAnsi(text)) << ::testing::PrintToString(text);
    }
}

TEST(AsciiPassthrough, TextEndsAtItsFirstNul) {
    const std::string text("ab\xC4\xE3\0cd", 7);
    EXPECT_EQ(AnsiToUtf8KeepingAscii(text), "ab\xE4\xBD\xA0");  // ab你
    EXPECT_EQ(Utf8ToAnsiKeepingAscii(std::string("x\0y", 3)), "x");
}

}  // namespace
}  // namespace dq::services
