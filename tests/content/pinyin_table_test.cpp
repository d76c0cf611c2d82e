#include "content/pinyin_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "web/encoding.h"

namespace dq {
namespace {

// The code point of a UTF-8 text that holds exactly one character of up to three bytes; 0
// otherwise.
char32_t SingleCodePoint(const std::string& utf8) {
    if (utf8.size() != 3) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i])); };
    return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
}

bool IsPlainReading(const Text& reading) {
    return !reading.empty() &&
           std::all_of(reading.begin(), reading.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

TEST(PinyinTable, EveryGb2312HanziHasOneToThreePlainReadings) {
    int hanzi = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const auto l = static_cast<unsigned char>(lead);
            const auto t = static_cast<unsigned char>(trail);
            const std::string cell{static_cast<char>(l), static_cast<char>(t)};
            const char32_t code = SingleCodePoint(AnsiToUtf8(cell));
            const auto readings = pinyin::Readings(l, t);
            if (code < 0x4E00 || code > 0x9FFF) {
                EXPECT_TRUE(readings.empty()) << std::hex << lead << trail;
                continue;
            }
            ++hanzi;
            ASSERT_FALSE(readings.empty()) << std::hex << lead << trail;
            EXPECT_LE(readings.size(), 3u) << std::hex << lead << trail;
            for (const Text& reading : readings)
                EXPECT_TRUE(IsPlainReading(reading)) << std::hex << lead << trail << " " << reading;
            EXPECT_EQ(pinyin::FirstReading(l, t), readings.front());
        }
    }
    EXPECT_EQ(hanzi, 6763);
}

TEST(PinyinTable, KeepsTheReadingOrderAndDropsToneOnlyRepeats) {
    // 重 zhòng, chóng, tóng; 女 nǚ, nǜ, rǔ: the two nu readings differ only in tone.
    EXPECT_EQ(pinyin::Readings(0xD6, 0xD8), (std::vector<Text>{"zhong", "chong", "tong"}));
    EXPECT_EQ(pinyin::Readings(0xC5, 0xAE), (std::vector<Text>{"nu", "ru"}));
}

TEST(PinyinTable, CellsOutsideTheHanziBlockHaveNoReading) {
    // The full-width "（", a GBK-only character (丂, 81 40) and an empty cell at the end of row D7.
    EXPECT_TRUE(pinyin::Readings(0xA3, 0xA8).empty());
    EXPECT_TRUE(pinyin::Readings(0x81, 0x40).empty());
    EXPECT_TRUE(pinyin::Readings(0xD7, 0xFA).empty());
    EXPECT_EQ(pinyin::FirstReading(0xB0, 0xA0), "");
}

}  // namespace
}  // namespace dq
