// JsonReader: documents to compact text, member reads, failed parses.
#include "services/json_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "support/case_name.h"
#include "web/encoding.h"
#include "web/gbk_literal.h"

namespace dq {
namespace {

using namespace dq::literals;

struct CompactCase {
    const char* name;
    std::string document;  // UTF-8
    std::string expected;  // UTF-8
};

class CompactText : public ::testing::TestWithParam<CompactCase> {};

TEST_P(CompactText, IsWrittenAsExpected) {
    const CompactCase& c = GetParam();
    JsonReader reader;
    ASSERT_NE(reader.Parse(Utf8ToAnsi(c.document)), nullptr);
    EXPECT_EQ(AnsiToUtf8(reader.ToJsonText()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Json, CompactText,
    ::testing::Values(
        CompactCase{"SpacesAndLineBreaksGo",
                    "{ \"Name\" : \"a b\",\r\n\t\"Short API\": { \"Type\":\"GET\" ,\n"
                    " \"Data\" : \"url=$Url$\" } ,\"List\" : [ 1 , [ ] , { } ] }\r\n",
                    "{\"Name\":\"a b\",\"Short API\":{\"Type\":\"GET\",\"Data\":\"url=$Url$\"},"
                    "\"List\":[1,[],{}]}"},
        CompactCase{"MembersInParseOrder", "{\"b\":1,\"a\":2,\"10\":3,\"2\":4}",
                    "{\"b\":1,\"a\":2,\"10\":3,\"2\":4}"},
        CompactCase{"RepeatedNameFirstPlaceLastValue", "{\"a\":1,\"b\":2,\"a\":3}",
                    "{\"a\":3,\"b\":2}"},
        CompactCase{"Numbers",
                    "[1, -1, 2.50, -0, -0.0, 1e21, 1e20, 123e-20, 1.5e-7, 0.000001, 1E2, "
                    "0.1, 123456789012345678901234, 9007199254740993, 5e-324]",
                    "[1,-1,2.5,0,0,1e+21,100000000000000000000,1.23e-18,1.5e-7,0.000001,100,"
                    "0.1,1.2345678901234569e+23,9007199254740992,5e-324]"},
        CompactCase{"TwoCharacterEscapes", "[\"\\\" \\\\ \\/ \\b \\t \\n \\f \\r\"]",
                    "[\"\\\" \\\\ / \\b \\t \\n \\f \\r\"]"},
        CompactCase{"ControlCharactersAsUnicodeEscapes", "[\"\\u0000\\u0001\\u001F\\u007f\"]",
                    "[\"\\u0000\\u0001\\u001f\\u007f\"]"},
        // Each listed range at both ends, and a neighbour outside it written as it is.
        CompactCase{"ListedRangesEscaped",
                    "[\"\\u0080\\u009f\\u00AD\\u0600\\u0604\\u070f\\u17b4\\u17b5\\u200c\\u200f"
                    "\\u2028\\u202f\\u2060\\u206f\\ufeff\\ufff0\\uffff\"]",
                    "[\"\\u0080\\u009f\\u00ad\\u0600\\u0604\\u070f\\u17b4\\u17b5\\u200c\\u200f"
                    "\\u2028\\u202f\\u2060\\u206f\\ufeff\\ufff0\\uffff\"]"},
        CompactCase{"NeighboursWrittenAsTheyAre", "[\"\\u00a7\\u2030\\u2010\\u00b7\"]",
                    "[\"§‰‐·\"]"},
        CompactCase{"ChineseRoundTrip", "{\"名称\":\"新浪短网址\"}", "{\"名称\":\"新浪短网址\"}"},
        CompactCase{"BareValues", "  true ", "true"},
        CompactCase{"NullValue", "null", "null"},
        CompactCase{"BareString", "\"x\"", "\"x\""}),
    testing::CaseName<CompactCase>);

TEST(Json, DeepNestingIsWrittenWithoutRecursion) {
    const std::size_t depth = 200000;
    JsonReader reader;
    ASSERT_NE(reader.Parse(std::string(depth, '[') + std::string(depth, ']')), nullptr);
    EXPECT_EQ(reader.ToJsonText(), std::string(depth, '[') + std::string(depth, ']'));
}

struct NotJsonCase {
    const char* name;
    const char* text;
};

class NotJson : public ::testing::TestWithParam<NotJsonCase> {};

TEST_P(NotJson, GivesEmptyResults) {
    JsonReader reader;
    ASSERT_NE(reader.Parse("{\"Name\":\"old\"}"), nullptr);
    const JsonValue value = reader.Parse(GetParam().text);
    EXPECT_EQ(value, nullptr);
    EXPECT_EQ(reader.ToJsonText(), "");  // the earlier value is gone too
    EXPECT_EQ(JsonReader::MemberText(value, "Name"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Json, NotJson,
    ::testing::Values(NotJsonCase{"Empty", ""}, NotJsonCase{"Html", "<html>404</html>"},
                      NotJsonCase{"SingleQuotes", "{'Name':'a'}"},
                      NotJsonCase{"TrailingText", "{\"Name\":\"a\"} x"},
                      NotJsonCase{"TrailingComma", "{\"Name\":\"a\",}"},
                      NotJsonCase{"Comment", "{\"Name\":\"a\"} // c"},
                      NotJsonCase{"Unclosed", "{\"Name\":\"a\""},
                      NotJsonCase{"BareWord", "undefined"},
                      // Beyond the range of a double (ECMAScript would read Infinity).
                      NotJsonCase{"NumberOutOfRange", "[1e400]"}),
    testing::CaseName<NotJsonCase>);

const char* const kPlugin =
    "{\"API Path\":\"https://dwz.example/api?url=\",\"Name\":\"新浪\",\"n\":12.50,\"big\":1e21,"
    "\"t\":true,\"o\":{\"k\":[1,\"v\"]},\"nul\":null,\"shorturl\":\"https://t.cn/x\"}";

struct MemberCase {
    const char* name;
    const char* member;  // UTF-8
    const char* expected;  // UTF-8
};

class Member : public ::testing::TestWithParam<MemberCase> {};

TEST_P(Member, ReadsAsText) {
    const MemberCase& c = GetParam();
    JsonReader reader;
    const JsonValue value = reader.Parse(Utf8ToAnsi(kPlugin));
    EXPECT_EQ(JsonReader::MemberText(value, Utf8ToAnsi(c.member)), Utf8ToAnsi(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Json, Member,
    ::testing::Values(MemberCase{"NameWithBlank", "API Path", "https://dwz.example/api?url="},
                      MemberCase{"ChineseString", "Name", "新浪"},
                      MemberCase{"Number", "n", "12.5"},
                      MemberCase{"LargeNumber", "big", "1e+21"},
                      MemberCase{"Boolean", "t", "true"},
                      MemberCase{"Object", "o", "{\"k\":[1,\"v\"]}"},
                      MemberCase{"Null", "nul", "null"},
                      MemberCase{"OtherLetterCase", "shortUrl", "https://t.cn/x"},
                      MemberCase{"Missing", "url", ""},
                      MemberCase{"NotTrimmed", "Name ", ""}),
    testing::CaseName<MemberCase>);

TEST(Json, ExactNameWinsOverOtherLetterCase) {
    JsonReader reader;
    const JsonValue value = reader.Parse("{\"shorturl\":\"a\",\"shortUrl\":\"b\",\"SHORTURL\":\"c\"}");
    EXPECT_EQ(JsonReader::MemberText(value, "shortUrl"), "b");
    EXPECT_EQ(JsonReader::MemberText(value, "ShortUrl"), "a");  // the first in any case
}

TEST(Json, MembersOnlyOfObjects) {
    JsonReader reader;
    EXPECT_EQ(JsonReader::MemberText(reader.Parse("[{\"Name\":\"a\"}]"), "Name"), "");
    EXPECT_EQ(JsonReader::MemberText(reader.Parse("\"Name\""), "Name"), "");
    EXPECT_EQ(JsonReader::MemberText(nullptr, "Name"), "");
}

TEST(Json, SecondParseReplacesTheCurrentValue) {
    JsonReader reader;
    const JsonValue first = reader.Parse("{\"Name\":\"first\"}");
    const JsonValue second = reader.Parse("{\"Name\":\"second\",\"x\":1}");
    EXPECT_EQ(reader.ToJsonText(), "{\"Name\":\"second\",\"x\":1}");
    EXPECT_EQ(JsonReader::MemberText(first, "Name"), "first");  // values outlive the next Parse
    EXPECT_EQ(JsonReader::MemberText(second, "Name"), "second");
}

TEST(Json, CharactersGbkLacksBecomeQuestionMarks) {
    JsonReader reader;
    const JsonValue value = reader.Parse("{\"a\":\"x\\u0e01y\"}");
    EXPECT_EQ(JsonReader::MemberText(value, "a"), "x?y");
    EXPECT_EQ(reader.ToJsonText(), "{\"a\":\"x?y\"}");
}

}  // namespace
}  // namespace dq
