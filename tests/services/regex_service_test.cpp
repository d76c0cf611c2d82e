#include "services/regex_service.h"

#include "gbk.h"
#include "web/text_utils.h"

#include <gtest/gtest.h>

#include <vector>

namespace dq {
namespace {

using testing::Gbk;

struct Flags {
    bool caseSensitive = false;
    bool multiLine = true;
    bool global = true;
};

// Every match of a run as its text followed by its group texts, all in UTF-8.
std::vector<std::vector<std::string>> AllMatches(const RegexService& regex) {
    std::vector<std::vector<std::string>> matches;
    for (int i = 1; i <= regex.MatchCount(); ++i) {
        std::vector<std::string> match{AnsiToUtf8(regex.MatchText(i))};
        for (int j = 1; j <= regex.GroupCount(); ++j) match.push_back(AnsiToUtf8(regex.GroupText(i, j)));
        matches.push_back(match);
    }
    return matches;
}

struct DialectCase {
    const char* what;
    const char* pattern;  // UTF-8
    const char* subject;  // UTF-8
    Flags flags;
    std::vector<std::vector<std::string>> expected;
};

class RegexDialect : public ::testing::TestWithParam<DialectCase> {};

TEST_P(RegexDialect, MatchesAsEcmaScriptDoes) {
    const DialectCase& c = GetParam();
    RegexService regex;
    ASSERT_TRUE(regex.Create(Gbk(c.pattern), Gbk(c.subject), c.flags.caseSensitive,
                             c.flags.multiLine, c.flags.global))
        << c.what;
    EXPECT_EQ(AllMatches(regex), c.expected) << c.what;
}

const Flags kSingleLine{.multiLine = false};
const Flags kCaseSensitive{.caseSensitive = true};
const Flags kFirstOnly{.global = false};
const std::string kSeventyThousandA(70000, 'a');

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexDialect,
    ::testing::Values(
        DialectCase{"a Chinese character is one character for dot", "<(.)>", "<中><ab>",
                    {}, {{"<中>", "中"}}},
        DialectCase{"and for a negated class", "\\[([^\\]])\\]", "[新][xy]", {}, {{"[新]", "新"}}},
        DialectCase{"and for a bounded repeat", "^.{2}$", "天气", {}, {{"天气"}}},
        DialectCase{"bounded repeat counts characters", "id=(\\S{1,3})x", "id=一二三四x id=一二x",
                    {}, {{"id=一二x", "一二"}}},
        DialectCase{"dot matches neither CR nor LF", "a.b", "a\rb a\nb a-b", {}, {{"a-b"}}},
        DialectCase{"without multi-line $ is the very end only", "x$", "x\nx\n", kSingleLine, {}},
        DialectCase{"without multi-line ^ is the very start only", "^x", "x\nx", kSingleLine,
                    {{"x"}}},
        DialectCase{"with multi-line ^ and $ meet LF", "^\\w$", "a\nb\nc", {},
                    {{"a"}, {"b"}, {"c"}}},
        DialectCase{"with multi-line ^ and $ meet a lone CR", "^\\w$", "a\rb", {}, {{"a"}, {"b"}}},
        DialectCase{"with multi-line ^ meets the gap inside CR LF", "^\n", "a\r\nb", {},
                    {{"\n"}}},
        DialectCase{"\\s takes the full-width space", "a\\s+b", "a　 b", {}, {{"a　 b"}}},
        DialectCase{"\\S leaves the full-width space out", "\\S+", "甲　乙", {},
                    {{"甲"}, {"乙"}}},
        DialectCase{"escaped letters without a meaning are the letters", "\\Q\\K\\p", "QKp", {},
                    {{"QKp"}}},
        DialectCase{"a number above the group count is an octal code", "\\101\\8", "A8", {},
                    {{"A8"}}},
        DialectCase{"an unfinished brace is literal", "z={Array.m_sub_name}&pn=(\\d)",
                    "z={Array.m_sub_name}&pn=7", {}, {{"z={Array.m_sub_name}&pn=7", "7"}}},
        DialectCase{"brace forms that are not repeats stay literal", "a{,2}b{1,c}",
                    "a{,2}b{1,c}", {}, {{"a{,2}b{1,c}"}}},
        DialectCase{"[] matches nothing", "a[]|b", "ab", {}, {{"b"}}},
        DialectCase{"[^] matches anything, line breaks too", "a[^]b", "a\nb", {}, {{"a\nb"}}},
        DialectCase{"a reference to a group that took no part matches empty", "(?:(x)|y)\\1z",
                    "yz", {}, {{"yz", ""}}},
        DialectCase{"after an empty match the search steps one whole character", "", "中a",
                    {}, {{""}, {""}, {""}}},
        DialectCase{"lazy quantifiers take the shortest match", "<b>(.*?)</b>",
                    "<b>一</b><b>二</b>", {}, {{"<b>一</b>", "一"}, {"<b>二</b>", "二"}}},
        DialectCase{"ignore case folds letters", "abc", "ABC aBc", {}, {{"ABC"}, {"aBc"}}},
        DialectCase{"ignore case folds Greek letters too", "αβ", "ΑΒ", {}, {{"ΑΒ"}}},
        DialectCase{"case-sensitive keeps case apart", "abc", "ABC abc", kCaseSensitive,
                    {{"abc"}}},
        DialectCase{"without global only the first match", "\\d", "1 2 3", kFirstOnly, {{"1"}}},
        DialectCase{"\\u and \\x escapes name characters", "\\u4e2d\\x41", "中A", {},
                    {{"中A"}}},
        DialectCase{"the across-lines class of the catalogue", "<h1>(.*?)</h1>[\\s|\\S]*?<a>",
                    "<h1>标题</h1>\r\n|x\n<a>", {}, {{"<h1>标题</h1>\r\n|x\n<a>", "标题"}}},
        DialectCase{"\\S in a class leaves the full-width space out", "[\\S]+", "甲　乙", {},
                    {{"甲"}, {"乙"}}},
        DialectCase{"white space but a line break", "[^\\S\n]+", "a　 \nb", {}, {{"　 "}}},
        DialectCase{"[^\\s\\S] matches nothing", "[^\\s\\S]", "中a　", {}, {}},
        DialectCase{"an iteration beyond the minimum must consume", "(|a)+", "aaa", {},
                    {{"aaa", "a"}, {"", ""}}},
        DialectCase{"also without a group", "(?:|a)*", "aaa", {}, {{"aaa"}, {""}}},
        DialectCase{"the groups keep the last iteration that consumed", "(a?)*", "aa", {},
                    {{"aa", "a"}, {"", ""}}},
        DialectCase{"a class escape beside a dash is a union", "href=\"([\\w-./:]+)\"",
                    "<a href=\"http://x.cn/a-b.html\">", {},
                    {{"href=\"http://x.cn/a-b.html\"", "http://x.cn/a-b.html"}}},
        DialectCase{"on either side of the dash", "[\\d-z]+|[a-\\d]+", "1-z a-1", {},
                    {{"1-z"}, {"a-1"}}},
        DialectCase{"repeat counts above 65535", "a{0,70000}b", "aaab", {}, {{"aaab"}}},
        DialectCase{"and a minimum above it", "^a{70000}$", kSeventyThousandA.c_str(), {},
                    {{kSeventyThousandA}}},
        DialectCase{"\\k without named groups is the letter", "\\k", "k", {}, {{"k"}}},
        DialectCase{"\\c without a letter is a backslash", "\\c1", "\\c1", {}, {{"\\c1"}}}),
    [](const auto& param) { return "case" + std::to_string(param.index); });

TEST(RegexService, QuotePlaceholderBecomesDoubleQuoteOnlyWhenAsked) {
    const Text pattern = "href=" + QuotePlaceholder() + "(.*?)" + QuotePlaceholder();
    const Text subject = "<a href=\"x.html\">";

    RegexService regex;
    ASSERT_TRUE(regex.Create(pattern, subject, false, true, true, true));
    EXPECT_EQ(regex.CurrentPattern(), "href=\"(.*?)\"");
    EXPECT_EQ(regex.GroupText(1, 1), "x.html");

    ASSERT_TRUE(regex.Create(pattern, subject));
    EXPECT_EQ(regex.CurrentPattern(), pattern);
    EXPECT_EQ(regex.MatchCount(), 0);
    ASSERT_TRUE(regex.Create(pattern, "href=" + pattern.substr(5)));
    EXPECT_EQ(regex.MatchCount(), 1) << "the placeholder stays ordinary text";
}

TEST(RegexService, FailedCreateLeavesNothingBehind) {
    RegexService regex;
    ASSERT_TRUE(regex.Create("(\\d)", "1 2"));
    ASSERT_EQ(regex.MatchCount(), 2);

    // Besides plain syntax errors, PCRE2 extensions that ECMAScript rejects, and parentheses
    // that would otherwise close a group the service wraps around the pattern.
    for (const char* invalid :
         {"(a", "a)", "[b", "*x", "a{2,1}", "a)(b", "x)|((a+)+b", "(?R)", "(?C2)", "(*ACCEPT)",
          "(?|a)", "(?>a)", "a++", "a*+", "(?#x)", "(?i)a", "(?P<n>a)", "a{2}{3}", "^*", "\\",
          "(?<n>a)\\k<m>", "(?<n>a)(?<n>b)"}) {
        EXPECT_FALSE(regex.Create(invalid, "a1 2")) << invalid;
        EXPECT_EQ(regex.MatchCount(), 0) << invalid;
        EXPECT_EQ(regex.GroupCount(), 0) << invalid;
        EXPECT_EQ(regex.MatchText(1), "") << invalid;
        EXPECT_EQ(regex.GroupText(1, 1), "") << invalid;
        EXPECT_EQ(regex.ReplaceMatches("x"), "") << invalid;
        EXPECT_EQ(regex.CurrentPattern(), invalid);
    }
}

TEST(RegexService, NewObjectIsEmpty) {
    const RegexService regex;
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.GroupCount(), 0);
    EXPECT_EQ(regex.MatchText(1), "");
    EXPECT_EQ(regex.GroupText(1, 1), "");
    EXPECT_EQ(regex.CurrentPattern(), "");
    EXPECT_EQ(regex.ReplaceMatches("x"), "");
}

TEST(RegexService, IndexesOutsideTheListsGiveEmptyText) {
    RegexService regex;
    ASSERT_TRUE(regex.Create("(a)(b)?", "a ab"));
    ASSERT_EQ(regex.MatchCount(), 2);
    EXPECT_EQ(regex.GroupCount(), 2);
    EXPECT_EQ(regex.GroupText(2, 2), "b");
    EXPECT_EQ(regex.GroupText(1, 2), "") << "unset group";
    for (const auto& [i, j] : std::vector<std::pair<int, int>>{
             {0, 1}, {-1, 1}, {3, 1}, {1, 0}, {1, 3}, {1, -1}, {1000000, 1}}) {
        EXPECT_EQ(regex.GroupText(i, j), "") << i << "," << j;
    }
    EXPECT_EQ(regex.MatchText(0), "");
    EXPECT_EQ(regex.MatchText(3), "");
}

TEST(RegexService, GroupCountIsZeroWithoutAMatch) {
    RegexService regex;
    ASSERT_TRUE(regex.Create("(a)(b)", "xyz"));
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.GroupCount(), 0);
}

TEST(RegexService, ResultsComeBackAsGbk) {
    RegexService regex;
    ASSERT_TRUE(regex.Create(Gbk("天气：(.+)"), Gbk("今日天气：晴转多云")));
    EXPECT_EQ(regex.GroupText(1, 1), "\xC7\xE7\xD7\xAA\xB6\xE0\xD4\xC6");  // 晴转多云
    EXPECT_EQ(regex.MatchText(1), Gbk("天气：晴转多云"));
}

struct ReplaceCase {
    const char* pattern;
    const char* subject;
    const char* replacement;
    bool global;
    const char* expected;
};

class RegexReplace : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(RegexReplace, ReplacesMatches) {
    const ReplaceCase& c = GetParam();
    RegexService regex;
    ASSERT_TRUE(regex.Create(Gbk(c.pattern), Gbk(c.subject), false, true, c.global));
    EXPECT_EQ(AnsiToUtf8(regex.ReplaceMatches(Gbk(c.replacement))), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexReplace,
    ::testing::Values(
        ReplaceCase{"(?:^\r|\n$)", "\rhttp://a.cn/新闻\n", "", true, "http://a.cn/新闻"},
        ReplaceCase{"(\\w)(\\d)", "a1 b2", "$2$1", true, "1a 2b"},
        ReplaceCase{"\\d", "1 2", "[$&]", true, "[1] [2]"},
        ReplaceCase{"\\d", "1 2", "$$", true, "$ $"},
        ReplaceCase{"(\\d)", "1", "$0$2$x$", true, "$0$2$x$"},
        ReplaceCase{"(a)|b", "ab", "<$1>", true, "<a><>"},
        ReplaceCase{"\\d", "1 2", "#", false, "# 2"},
        ReplaceCase{"x*", "中a", "-", true, "-中-a-"},
        ReplaceCase{"新", "新闻新", "旧", true, "旧闻旧"}),
    [](const auto& param) { return "case" + std::to_string(param.index); });

}  // namespace
}  // namespace dq
