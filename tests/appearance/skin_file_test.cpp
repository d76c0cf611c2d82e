// The skin file format, the skins the program carries and the main window's choice table.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "appearance/built_in_skins.h"
#include "appearance/skin_choice.h"
#include "appearance/skin_file.h"
#include "support/case_name.h"

namespace dq {
namespace {

constexpr char kSheet[] = "QPushButton[dqSkinned=\"true\"]{color: #ffffff}\n";

// A skin file: the mark, the given length field and the payload.
std::string SkinFile(std::string_view payload, std::uint32_t length) {
    std::string file(kSkinFileMark);
    for (int shift = 0; shift < 32; shift += 8) file += static_cast<char>((length >> shift) & 0xFF);
    return file + std::string(payload);
}

std::string SkinFile(std::string_view payload) {
    return SkinFile(payload, static_cast<std::uint32_t>(payload.size()));
}

struct FileCase {
    const char* name;
    std::string file;
    std::optional<std::string> sheet;  // what the file carries; nothing when malformed
};

class SkinFileCases : public ::testing::TestWithParam<FileCase> {};

TEST_P(SkinFileCases, ParsesOnlyWellFormedFiles) {
    EXPECT_EQ(SkinStyleSheet(GetParam().file), GetParam().sheet);
}

const std::string kGood = SkinFile(kSheet);
constexpr char kBracesInside[] = "/* { */ QLabel{font-family: \"a}b\"; qproperty-text: '{'}";

INSTANTIATE_TEST_SUITE_P(
    Files, SkinFileCases,
    ::testing::Values(
        FileCase{"WellFormed", kGood, kSheet},
        FileCase{"EmptyStyleSheet", SkinFile(""), ""},
        FileCase{"BracesInCommentsAndStrings", SkinFile(kBracesInside), kBracesInside},
        FileCase{"Empty", "", std::nullopt},
        FileCase{"HeaderCutShort", kGood.substr(0, 8), std::nullopt},
        FileCase{"WrongMark", "." + std::string("SHF") + kGood.substr(4), std::nullopt},
        FileCase{"OtherFormatNumber", kGood.substr(0, 5) + '\x02' + kGood.substr(6), std::nullopt},
        FileCase{"PayloadCutShort", kGood.substr(0, kGood.size() - 1), std::nullopt},
        FileCase{"BytesAfterPayload", kGood + "x", std::nullopt},
        FileCase{"LengthBeyondFourGigabytes", SkinFile(kSheet, 0xFFFFFFFFu), std::nullopt},
        FileCase{"GbkNotUtf8", SkinFile("QLabel{color: #000000} /* \xB5\xB1\xC7\xB0 */"), std::nullopt},
        FileCase{"UnclosedBlock", SkinFile("QLabel{color: #000000"), std::nullopt},
        FileCase{"StrayClosingBrace", SkinFile("QLabel{color: #000000}}QFrame{"), std::nullopt},
        FileCase{"UnclosedComment", SkinFile("QLabel{color: #000000} /* {}"), std::nullopt},
        FileCase{"UnclosedString", SkinFile("QLabel{font-family: \"a}"), std::nullopt}),
    testing::CaseName<FileCase>);

TEST(BuiltInSkins, EveryFileStartsWithTheMarkAndParses) {
    for (int number = 1; number <= kBuiltInSkinCount; ++number) {
        SCOPED_TRACE(number);
        const std::string file = BuiltInSkin(number);
        ASSERT_GE(file.size(), kSkinFileHeaderSize);
        EXPECT_EQ(file.substr(0, 6), std::string(".SHE\x00\x03", 6));
        const std::optional<std::string> sheet = SkinStyleSheet(file);
        ASSERT_TRUE(sheet.has_value());
        EXPECT_NE(sheet->find("QPushButton[dqSkinned=\"true\"]"), std::string::npos);
    }
}

TEST(BuiltInSkins, NumbersOutsideTheStoreHaveNoFile) {
    for (const int number : {-1, 0, 34}) EXPECT_EQ(BuiltInSkin(number), "") << number;
}

TEST(BuiltInSkins, TheSixChoicesAreDifferentLooks) {
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            EXPECT_NE(BuiltInSkin(SkinForChoice(a)), BuiltInSkin(SkinForChoice(b))) << a << " " << b;
        }
    }
}

TEST(SkinChoice, EachComboPositionHasItsSkinAndOthersNone) {
    const struct {
        int index;
        int skin;
    } cases[] = {{0, 1}, {1, 3}, {2, 15}, {3, 16}, {4, 17}, {5, 30}, {6, 0}, {-1, 0}, {-2147483647 - 1, 0}};
    for (const auto& c : cases) EXPECT_EQ(SkinForChoice(c.index), c.skin) << c.index;
}

}  // namespace
}  // namespace dq
