// Cutting a piece out of a UTF-8 page: the same bytes as converting the whole page and
// cutting the piece from the GBK text.
#include "web/utf8_between.h"

#include "support/utf8_of.h"
#include "web/encoding.h"
#include "web/text_utils.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <random>
#include <string>

namespace dq {
namespace {

using namespace std::literals;

constexpr std::string_view kLeft = "<span><b>";
constexpr std::string_view kRight = "</span>";

Text WholePageWay(std::string_view utf8) { return TextBetween(Utf8ToAnsi(utf8), kLeft, kRight); }

void ExpectAlike(std::string_view utf8) {
    SCOPED_TRACE(::testing::PrintToString(std::string(utf8)));
    EXPECT_EQ(Utf8TextBetween(utf8, kLeft, kRight), WholePageWay(utf8));
}

TEST(Utf8TextBetween, GivesWhatTheWholePageConversionGives) {
    const std::string_view pages[] = {
        "<span><b>晴</b>-5 ~ 6℃</span>",
        "",
        "no markers at all",
        "<span><b>晴</b>-5 ~ 6℃",               // right marker missing
        "晴</b>-5 ~ 6℃</span>",                 // left marker missing
        "</span><span><b>晴</b>1℃</span>",      // right marker only before the left one
        "<span><b></span>",                     // empty piece
        "<span><b>a😀b</span>",                 // a character GBK lacks inside
        "😀<span><b>雪</span>😀",               // and next to the markers
        "\xEF\xBB\xBF<span><b>晴</span>",       // byte order mark in front
        "<span><b>\xEF\xBB\xBF晴</span>",       // and inside
        "\xE5\xA4<span><b>晴\xE5</span>",       // cut sequences right before each marker
        "\xF0\x9F\x98<span><b>\xFF</span>",     // three bytes of four, a byte never in UTF-8
        "<span><b>\x80\x80</span>",             // lone continuation bytes
        "\xED\xA0\x80<span><b>x</span>",        // an encoded surrogate
        "晴<span><b>晴</b>晴</span>晴",          // markers between multi-byte characters
        "<span><b>a\0</span>"sv,                // the text ends at its first NUL
        "\0<span><b>a</span>"sv,
        "€<span><b>1</span><span><b>2</span>",  // euro: one byte, read as ending a character
        "€€<span><b>1</span><span><b>2</span>", // two of them: a character start again
        "<span><b>1€</span>2</span>",           // the same for the right marker
        "天€<span><b>1</span><span><b>2</span>",
        "€天<span><b>1</span><span><b>2</span>",
        "€a<span><b>1</span><span><b>2</span>",
        "<span<span><b><b>x</span>",
        "<span>\xEF\xBB\xBF<b>x</\u200Bspan>y</span>",  // characters that convert to nothing
        "<\u200B\u200Bspan><b>x<\u200B/span>",           // inside the markers
        "€\u200B<span><b>1</span><span><b>2</span>",
        "<span>\U000E0041<b>x</span>",                        // a tag character: dropped too
        "<span>\u200B\u00AD\uFEFF<b>x</span>",
        "<span>\u200B天<b>x</span><span><b>y</span>",
    };
    for (const std::string_view page : pages) ExpectAlike(page);
}

// Every character of the BMP next to, between and inside the markers, so that none whose GBK
// form holds a marker byte, reads as half a character or is nothing goes unnoticed.
TEST(Utf8TextBetween, EveryBmpCharacterNextToTheMarkersAlike) {
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string ch = testing::Utf8Of(c);
        const std::string page = ch + "<" + ch + "span><b>" + ch + "1</" + ch + "span>" + ch +
                                 "<span><b>" + ch + "2</span>" + ch;
        ExpectAlike(page);
        if (HasFailure()) return;
    }
}

// Random pages made of markers, pieces of markers, characters and malformed bytes.
TEST(Utf8TextBetween, RandomPagesAlike) {
    const std::string_view pieces[] = {
        "<span><b>", "</span>", "<span>", "<b>", "<", "span", "晴", "€", "😀", "a", "?",
        "\xE5\xA4", "\xE5", "\xFF", "\x80", "\xEF\xBB\xBF", "\xED\xA0\x80", "℃", " ", "\0"sv,
        "\u200B", "</", "span>", "b>", "\u00AD", "\U000E0041", "\uFE0F", "\u2060",
    };
    std::mt19937 random(15);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int round = 0; round < 20000; ++round) {
        std::string page;
        for (int n = length(random); n > 0; --n) page += pieces[pick(random)];
        ExpectAlike(page);
        if (HasFailure()) return;
    }
}

// The piece is converted apart from the page, which gives the same bytes only because the
// converter never takes an ASCII byte after a malformed sequence into that sequence's
// substitution: checked on the converter itself over whole texts.
TEST(Utf8TextBetween, TheConverterKeepsTheAsciiByteAfterAMalformedSequence) {
    const std::string_view malformed[] = {
        "\xC3", "\xE5", "\xE5\xA4", "\xF0", "\xF0\x9F", "\xF0\x9F\x98", "\x80", "\xBF",
        "\xFF", "\xFE", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80",
    };
    for (const std::string_view bytes : malformed) {
        for (const char ascii : {'<', '>', 'b', '\n'}) {
            const std::string input = std::string(bytes) + ascii;
            SCOPED_TRACE(::testing::PrintToString(input));
            char out[64];
            UErrorCode err = U_ZERO_ERROR;
            const int32_t n = ucnv_convert("windows-936-2000", "UTF-8", out, sizeof out,
                                           input.data(), static_cast<int32_t>(input.size()), &err);
            ASSERT_TRUE(U_SUCCESS(err));
            ASSERT_GT(n, 1);
            EXPECT_EQ(out[n - 1], ascii);
            EXPECT_NE(out[n - 2], ascii);
            EXPECT_EQ(Utf8ToAnsi(input), Utf8ToAnsi(bytes) + ascii);
        }
    }
}

}  // namespace
}  // namespace dq
