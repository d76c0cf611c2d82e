// Large pages and runaway patterns: the catalogue's across-lines pattern must find every
// match in a page of several megabytes, and a pattern with catastrophic backtracking must
// return (with the matches found before it ran away) instead of freezing the program.
#include "services/regex_service.h"

#include "gbk.h"

#include <gtest/gtest.h>

namespace dq {
namespace {

using testing::Gbk;

const Text kHeadingPattern =
    Gbk("<h1>(.*?)</h1>[\\s|\\S]*?<a href=#引号(.*?)#引号><h1>");

// Filler markup of about size bytes: lines of GBK text and tags, no heading.
Text Filler(std::size_t size) {
    const Text line = Gbk("<div class=\"x\">新闻 | 正文 text</div>\r\n<p>段落</p>\n");
    Text out;
    while (out.size() < size) out += line;
    return out;
}

TEST(RegexLimits, AcrossLinesPatternFindsEveryHeadingOfAFiveMegabytePage) {
    // 100 headings 40 KB apart, then one whose link lies a whole megabyte further on.
    Text page;
    const int headings = 100;
    for (int k = 1; k <= headings; ++k) {
        page += Gbk("<h1>标题") + std::to_string(k) + "</h1>" + Filler(40'000) +
                "<a href=\"/n" + std::to_string(k) + "\"><h1>";
    }
    page += Gbk("<h1>远</h1>") + Filler(1'000'000) + "<a href=\"/far\"><h1>";
    ASSERT_GT(page.size(), 5'000'000u);

    RegexService regex;
    ASSERT_TRUE(regex.Create(kHeadingPattern, page, false, true, true, true));
    ASSERT_EQ(regex.MatchCount(), headings + 1);
    EXPECT_EQ(regex.GroupText(1, 1), Gbk("标题1"));
    EXPECT_EQ(regex.GroupText(1, 2), "/n1");
    EXPECT_EQ(regex.GroupText(headings, 1), Gbk("标题") + std::to_string(headings));
    EXPECT_EQ(regex.GroupText(headings, 2), "/n" + std::to_string(headings));
    EXPECT_EQ(regex.GroupText(headings + 1, 1), Gbk("远"));
    EXPECT_EQ(regex.GroupText(headings + 1, 2), "/far");
}

TEST(RegexLimits, CatastrophicPatternReturnsWithTheMatchesFoundBeforeIt) {
    const Text subject = "x1 x2 " + Text(100'000, 'a') + "b x3";
    RegexService regex;
    ASSERT_TRUE(regex.Create("x\\d|(a+)+$", subject));
    ASSERT_EQ(regex.MatchCount(), 2);
    EXPECT_EQ(regex.MatchText(2), "x2");

    ASSERT_TRUE(regex.Create("(a+)+$", Text(100'000, 'a') + "b"));
    EXPECT_EQ(regex.MatchCount(), 0);
}

TEST(RegexLimits, ManyCostlyStepsEndWithTheMatchesFoundBeforeThem) {
    // Each step stays within its own budget (about a million backtracks), but there are a
    // hundred thousand of them: billions of backtracks in all.
    Text subject = "x1 ";
    for (int k = 0; k < 5000; ++k) subject += Text(20, 'a') + "b\n";
    subject += "x9";
    RegexService regex;
    ASSERT_TRUE(regex.Create("x\\d|(a+)+$", subject, false, false));
    ASSERT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.MatchText(1), "x1");
}

TEST(RegexLimits, DeepGroupRepetitionOverALongSubjectStillMatches) {
    // Every repetition of a group costs backtracking stack; the search must not fail for it.
    const Text subject = Text(300'000, 'a') + "b";
    RegexService regex;
    ASSERT_TRUE(regex.Create("(?:a|c)+b", subject));
    ASSERT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.MatchText(1).size(), subject.size());
}

}  // namespace
}  // namespace dq
