// The sixteen stored patterns of the news catalogue compile and pull link and title out of a
// page, with the options the news extraction passes.
#include "services/regex_service.h"

#include "gbk.h"
#include "web/text.h"
#include "web/text_utils.h"

#include <gtest/gtest.h>

namespace dq {
namespace {

using testing::Gbk;

struct CataloguePattern {
    const char* stored;  // UTF-8, "#引号" for each double quote, as the catalogue keeps it
    int linkGroup;       // 0 when the pattern has no link group
    int titleGroup;
};

// A page row the pattern matches: the stored pattern with its placeholders, digit classes and
// across-lines class written out as page text, and its two lazy groups filled in order.
Text Row(const CataloguePattern& p, const std::string& link, const std::string& title) {
    Text row = text::ReplaceAll(Gbk(p.stored), QuotePlaceholder(), "\"");
    row = text::ReplaceAll(row, "[\\s|\\S]*?", "</div>\r\n<p>|</p>\n");
    row = text::ReplaceAll(row, "\\d{1,8}", "20240101");
    row = text::ReplaceAll(row, "\\d", "7");
    const Text first = Gbk(p.linkGroup == 1 ? link : title);
    const Text second = Gbk(p.linkGroup == 1 ? title : link);
    row.replace(row.find("(.*?)"), 5, first);
    if (const auto secondAt = row.find("(.*?)"); secondAt != Text::npos)
        row.replace(secondAt, 5, second);
    return row;
}

class CatalogueRegex : public ::testing::TestWithParam<CataloguePattern> {};

TEST_P(CatalogueRegex, FindsEveryRowsLinkAndTitle) {
    const CataloguePattern& p = GetParam();
    const Text page = Gbk("<html><body>\r\n") + Row(p, "https://news.cn/a1.html", "头条：新闻一") +
                      Gbk("\r\n<div>其他</div>\n") + Row(p, "/a2?x=1&amp;y=2", "第二条 News") +
                      "\n</body>";
    RegexService regex;
    ASSERT_TRUE(regex.Create(Gbk(p.stored), page, false, true, true, true)) << p.stored;
    ASSERT_EQ(regex.MatchCount(), 2) << p.stored;
    EXPECT_EQ(regex.GroupText(1, p.titleGroup), Gbk("头条：新闻一"));
    EXPECT_EQ(regex.GroupText(2, p.titleGroup), Gbk("第二条 News"));
    if (p.linkGroup != 0) {
        EXPECT_EQ(regex.GroupText(1, p.linkGroup), "https://news.cn/a1.html");
        EXPECT_EQ(regex.GroupText(2, p.linkGroup), "/a2?x=1&amp;y=2");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stored, CatalogueRegex,
    ::testing::Values(
        CataloguePattern{"<p class=#引号listp#引号><a href=#引号(.*?)#引号 target=#引号_blank#引号>(.*?)</a></p>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 class=#引号title#引号 target=#引号_blank#引号 mon=#引号col=18&pn=\\d#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 mon=#引号col=3&amp;a=2&pn=\\d\\d#引号 target=#引号_blank#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 mon=#引号col=1&amp;a=2&pn=\\d#引号 target=#引号_blank#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 mon=#引号col=focusnews&pn=\\d#引号 target=#引号_blank#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 mon=#引号col=3&amp;a=2&amp;z=techfocus&pn=\\d#引号 target=#引号_blank#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 target=#引号_blank#引号 mon=#引号col=1&amp;a=2&pn=\\d#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 target=_blank class=#引号u#引号>(.*?)</a></p>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 target=#引号_blank#引号  mon=#引号a=1&amp;p=1&amp;z=autobuy&pn=\\d#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<h2><a href=#引号(.*?)#引号>(.*?)</a></h2>", 1, 2},
        CataloguePattern{"<a href=#引号(.*?)#引号 target=#引号_blank#引号 mon=#引号a=1&amp;p=1&amp;z={Array.m_sub_name}&pn=\\d#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<li><a href=#引号(.*?)#引号 target=#引号_blank#引号>(.*?)</a></li>", 1, 2},
        CataloguePattern{"<h3><a href=#引号(.*?)#引号 target=#引号_blank#引号>(.*?)</a></h3>", 1, 2},
        CataloguePattern{"target=#引号_blank#引号>(.*?)</a>   ", 0, 1},
        CataloguePattern{"<h1>(.*?)</h1>[\\s|\\S]*?<a href=#引号(.*?)#引号><h1>", 2, 1},
        CataloguePattern{"<td class=#引号al#引号><a href=#引号(.*?)#引号 target=#引号_blank#引号 rel=#引号nofollow#引号 itemid=#引号\\d{1,8}#引号>(.*?)</a></td>", 1, 2}),
    [](const auto& param) { return "pattern" + std::to_string(param.index + 1); });

TEST(CatalogueRegex, BoundedRepeatCountsDigitsOfTheItemId) {
    const Text pattern = Gbk("itemid=#引号\\d{1,8}#引号>(.*?)<");
    RegexService regex;
    ASSERT_TRUE(regex.Create(pattern, "itemid=\"123456789\">a< itemid=\"12345678\">b<", false,
                             true, true, true));
    ASSERT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.GroupText(1, 1), "b");
}

}  // namespace
}  // namespace dq
