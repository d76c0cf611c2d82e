#include "services/gbk_subject.h"

#include "support/utf8_of.h"
#include "web/encoding.h"

#include <gtest/gtest.h>

#include <random>

namespace dq::services {
namespace {

// Random byte strings drawn from pieces that stress character boundaries: ASCII, lead bytes
// with trails in and out of the ASCII range, the single bytes 80 and FF, broken sequences.
std::string RandomGbk(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {
        "a", "<p>", " ", "\r\n", "\xC4\xE3", "\xBA\xC3", "\x81\x40", "\x81\x7E", "\x81",
        "\x80", "\xFF", "\xA1\xA1", "\xFE", "\x7F", "@", "\xD2\xFD", "0123456789abcdef"};
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    std::string out;
    for (int n = length(rng); n > 0; --n) out += pieces[pick(rng)];
    return out;
}

TEST(GbkSubject, DecodesAsTheConverterDoesEveryPairInAnyContext) {
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned trail = 0x01; trail <= 0xFF; ++trail) {
            for (const char* after : {"", "A", "\xC4\xE3"}) {
                const std::string text = std::string{char(lead), char(trail)} + after;
                ASSERT_EQ(GbkSubject(text).Utf8(), AnsiToUtf8(text))
                    << ::testing::PrintToString(text);
            }
        }
    }
}

TEST(GbkSubject, DecodesRandomTextAsTheConverterDoesTheWhole) {
    std::mt19937 rng(7);
    for (int k = 0; k < 20000; ++k) {
        const std::string text = RandomGbk(rng);
        ASSERT_EQ(GbkSubject(text).Utf8(), AnsiToUtf8(text)) << ::testing::PrintToString(text);
    }
}

TEST(GbkSubject, EveryCharacterBoundaryMapsBackToItsGbkOffset) {
    std::mt19937 rng(3);
    for (int k = 0; k < 3000; ++k) {
        std::string text;
        for (int n = 0; n < 8; ++n) text += RandomGbk(rng);  // long enough for checkpoints
        const GbkSubject subject(text);
        const std::string& utf8 = subject.Utf8();
        for (std::size_t u = 0; u <= utf8.size(); ++u) {
            if (u < utf8.size() && (static_cast<unsigned char>(utf8[u]) & 0xC0) == 0x80) continue;
            const std::size_t g = subject.ToGbkOffset(u);
            const std::string before = AnsiToUtf8(text.substr(0, g));
            // A unit that decodes to two characters ("?" and the character its broken trail
            // begins) maps its inner boundary to its start.
            ASSERT_TRUE(utf8.compare(0, u, before) == 0 ||
                        (before.size() <= u && utf8.compare(0, before.size(), before) == 0 &&
                         subject.ToGbkOffset(u, true) > g))
                << ::testing::PrintToString(text) << " at " << u;
        }
    }
}

TEST(GbkSubject, OffsetsReadInAnyOrderMapAlike) {
    std::mt19937 rng(5);
    std::string text;
    for (int n = 0; n < 200; ++n) text += RandomGbk(rng);
    const GbkSubject forward(text);
    const GbkSubject backward(text);
    const std::size_t size = forward.Utf8().size();
    std::vector<std::size_t> expected(size + 1);
    for (std::size_t u = 0; u <= size; ++u) expected[u] = forward.ToGbkOffset(u);
    for (std::size_t u = size + 1; u-- > 0;) ASSERT_EQ(backward.ToGbkOffset(u), expected[u]) << u;
    std::uniform_int_distribution<std::size_t> anywhere(0, size);
    for (int k = 0; k < 2000; ++k) {
        const std::size_t u = anywhere(rng);
        ASSERT_EQ(backward.ToGbkOffset(u), expected[u]) << u;
    }
}

TEST(GbkSubject, TextEndsAtItsFirstNul) {
    const GbkSubject subject(std::string("ab\xC4\xE3\0cd", 7));
    EXPECT_EQ(subject.Gbk(), "ab\xC4\xE3");
    EXPECT_EQ(subject.Utf8(), "ab\xE4\xBD\xA0");  // ab你
    EXPECT_EQ(subject.ToGbkOffset(2), 2u);
    EXPECT_EQ(subject.ToGbkOffset(5), 4u);
}

// A subject made from UTF-8 must be the subject of its GBK conversion in every respect: the
// text, the UTF-8 matched on (with a question mark wherever the conversion put one) and the
// offset of every character boundary.
void ExpectSameAsConverted(const std::string& utf8) {
    const GbkSubject taken = GbkSubject::FromUtf8(utf8);
    const GbkSubject converted(Utf8ToAnsi(utf8));
    ASSERT_EQ(taken.Gbk(), converted.Gbk());
    ASSERT_EQ(taken.Utf8(), converted.Utf8());
    for (std::size_t u = 0; u <= taken.Utf8().size(); ++u) {
        ASSERT_EQ(taken.ToGbkOffset(u), converted.ToGbkOffset(u)) << u;
        ASSERT_EQ(taken.ToGbkOffset(u, true), converted.ToGbkOffset(u, true)) << u;
    }
}

TEST(GbkSubjectFromUtf8, IsTheSubjectOfItsGbkConversion) {
    using namespace std::literals;
    const std::string cases[] = {
        "",
        "plain ASCII <a href=\"/x\">x</a>",
        "天气晴转多云 -5 ~ 6℃",
        "a😀b",                // beyond the BMP: one question mark
        "• bullet ™ ❤ 𝄞",     // characters GBK lacks among some it has
        "天\xE5\xA4气 \xFF\xC0\x80",  // malformed: a cut-off character, bytes that begin nothing
        std::string("天\0气", 7),      // the text ends at the NUL
        "·・〜～‖∥－",          // characters GBK holds only approximately, if any
    };
    for (const std::string& utf8 : cases) {
        SCOPED_TRACE(::testing::PrintToString(utf8));
        ExpectSameAsConverted(utf8);
    }
}

// Every character of the BMP, in blocks of 256 (one character that cannot come back must not
// hide another), each character between ASCII letters now and then, so checkpoints fall
// everywhere.
TEST(GbkSubjectFromUtf8, EveryBmpCharacterAlike) {
    for (char32_t block = 0x80; block <= 0xFFFF; block += 0x100) {
        std::string utf8;
        for (char32_t c = block; c < block + 0x100 && c <= 0xFFFF; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF) continue;
            utf8 += testing::Utf8Of(c);
            if (c % 7 == 0) utf8 += "ab";
        }
        SCOPED_TRACE(static_cast<unsigned>(block));
        ExpectSameAsConverted(utf8);
    }
}

// Random mixes of ASCII runs, Chinese, characters GBK lacks and broken sequences.
TEST(GbkSubjectFromUtf8, RandomTextAlike) {
    static const std::vector<std::string> pieces = {
        "a", "<p>", "0123456789abcdefghij", "\r\n", "天", "气", "℃", "€", "😀", "•", "\xE5\xA4",
        "\xFF", "\x80", "é", "・"};
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int k = 0; k < 300; ++k) {
        std::string utf8;
        for (int n = 0; n < 120; ++n) utf8 += pieces[pick(rng)];
        SCOPED_TRACE(::testing::PrintToString(utf8));
        ExpectSameAsConverted(utf8);
    }
}

}  // namespace
}  // namespace dq::services
