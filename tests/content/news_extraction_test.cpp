#include "content/news_extraction.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "content/news_catalogue.h"
#include "content/news_test_pages.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::FakeForm;
using testing::Gbk;
using testing::NewsFixture;
using testing::RecordingMessages;

// Anchors with the link in group 1 and the title in group 2; [\s\S] lets a link span lines.
const Text kAnchorPattern = "<a href=#\xD2\xFD\xBA\xC5([\\s\\S]*?)#\xD2\xFD\xBA\xC5>(.*?)</a>";

struct Extraction {
    FakeForm form;
    WorkbenchState state;
    RecordingMessages messages;

    Extraction(int tabPage, int newsCount) {
        form.setCurrentIndex(controls::kNewsTabs, tabPage);
        state.newsCount = newsCount;
    }
    void links(bool on, bool shortOn = false) {
        form.setChecked(controls::kLinksOn, on);
        form.setChecked(controls::kShortLinksOn, shortOn);
    }
    Text run(const Text& pattern, const Text& page, NewsGroups groups = {}) {
        ExtractNews(form, state, messages, pattern, page, groups);
        return form.text(controls::kNewsBox);
    }
};

Text PortalPage() { return Utf8ToAnsi(NewsFixture("portal_home.html")); }

TEST(ExtractNews, WritesTheFirstNOfMoreMatchesInPageOrderWithDotStretchesRemoved) {
    Extraction x(0, 5);
    EXPECT_EQ(x.run(NewsPattern(1), PortalPage()),
              Gbk("1.要闻一\r\n2.版本21发布\r\n3.要闻三\r\n4.要闻四\r\n5.要闻五\r\n"));
    EXPECT_TRUE(x.messages.shown.empty());
}

TEST(ExtractNews, AHandEditedCountStopsAtOneHundredLines) {
    Extraction x(0, 2147483647);
    const Text page = Utf8ToAnsi(NewsFixture("list_items.html"));
    Text expected = Gbk("1.列表要闻一\r\n2.列表要闻二\r\n3.列表要闻三\r\n");
    for (int k = 4; k <= 100; ++k) expected += std::to_string(k) + ".\r\n";
    EXPECT_EQ(x.run(NewsPattern(12), page), expected);
}

TEST(ExtractNews, KeepsCountingPastTheLastMatchWithEmptyTitlesAndLinks) {
    Extraction x(0, 8);
    x.links(true);
    const Text page = Utf8ToAnsi(NewsFixture("list_items.html"));
    EXPECT_EQ(x.run(NewsPattern(12), page),
              Gbk("1.列表要闻一\r\nhttp://www.example.cn/list/1.htm\r\n"
                  "2.列表要闻二\r\nhttp://www.example.cn/list/2.htm\r\n"
                  "3.列表要闻三\r\nhttp://www.example.cn/list/3.htm\r\n"
                  "4.\r\n\r\n5.\r\n\r\n6.\r\n\r\n7.\r\n\r\n8.\r\n\r\n"));
    EXPECT_TRUE(x.messages.shown.empty());
}

TEST(ExtractNews, AppendsNothingAndSaysNothingWhenTheCountIsZero) {
    Extraction x(0, 0);
    x.form.setText(controls::kNewsBox, "kept");
    EXPECT_EQ(x.run(NewsPattern(1), PortalPage()), "kept");
    EXPECT_TRUE(x.messages.shown.empty());
}

TEST(ExtractNews, AppendsToWhatTheBoxAlreadyHolds) {
    Extraction x(0, 1);
    x.form.setText(controls::kNewsBox, "old\r\n");
    EXPECT_EQ(x.run(NewsPattern(1), PortalPage()), Gbk("old\r\n1.要闻一\r\n"));
}

TEST(ExtractNews, WritesLinkLinesOnlyWhenLinksAreOn) {
    const Text withoutLinks = Gbk("1.要闻一\r\n2.版本21发布\r\n");
    const Text withLinks = Gbk("1.要闻一\r\nhttps://www.example.cn/gn/1.shtml\r\n"
                               "2.版本21发布\r\nhttps://www.example.cn/gn/2.shtml\r\n");
    struct Case {
        bool links;
        bool shortLinks;
        Text expected;
    };
    // Short links on their own change nothing; with no short-link interface selected the
    // links stay as they are.
    for (const Case& c : {Case{false, false, withoutLinks}, Case{false, true, withoutLinks},
                          Case{true, false, withLinks}, Case{true, true, withLinks}}) {
        Extraction x(0, 2);
        x.links(c.links, c.shortLinks);
        EXPECT_EQ(x.run(NewsPattern(1), PortalPage()), c.expected)
            << "links " << c.links << " short " << c.shortLinks;
    }
}

TEST(ExtractNews, PutsTheLinkBaseOfThePageInFrontOfEveryLink) {
    const Text page = "<a href=\"/a/1.html\">one</a>";
    struct Case {
        int tabPage;
        bool deyang;
        Text joinBase;
        Text expectedLink;
    };
    const Case cases[] = {
        {0, true, "http://join.example/", "/a/1.html"},
        {1, true, "http://join.example/", "/a/1.html"},
        {2, true, "http://join.example/", DeyangLinkBase() + "/a/1.html"},
        {2, false, "http://join.example/", "/a/1.html"},
        {3, true, "http://join.example/", "http://join.example//a/1.html"},
        {3, false, "", "/a/1.html"},
    };
    for (const Case& c : cases) {
        Extraction x(c.tabPage, 1);
        x.links(true);
        x.form.setChecked(controls::kLocalDeyang, c.deyang);
        x.form.setText(controls::kLinkBase, c.joinBase);
        EXPECT_EQ(x.run(kAnchorPattern, page), "1.one\r\n" + c.expectedLink + "\r\n")
            << "page " << c.tabPage << " deyang " << c.deyang;
    }
}

TEST(ExtractNews, DeyangBaseIsSchemeAndHostOfItsCatalogueEntry) {
    const auto catalogue = NewsCatalogue();
    const auto deyang = std::find_if(catalogue.begin(), catalogue.end(), [](const NewsSource& s) {
        return s.control == controls::kLocalDeyang;
    });
    ASSERT_NE(deyang, catalogue.end());
    EXPECT_EQ(DeyangLinkBase(), "https://" + Text(deyang->host));
}

TEST(ExtractNews, LinksLoseLineBreaksAtTheirEnds) {
    Extraction x(0, 3);
    x.links(true);
    const Text page = "<a href=\"\r\n/news/1.html\">one</a>\r\n"
                      "<a href=\"/news/2.html\n\">two</a>\r\n"
                      "<a href=\"/news/3.html\r\n\">three</a>";
    EXPECT_EQ(x.run(kAnchorPattern, page),
              "1.one\r\n/news/1.html\r\n2.two\r\n/news/2.html\r\n3.three\r\n/news/3.html\r\n");
}

TEST(ExtractNews, ReportsAPatternThatDoesNotCompileAndLeavesTheBox) {
    Extraction x(0, 5);
    EXPECT_EQ(x.run("<a href=(.*?", PortalPage()), "");
    ASSERT_EQ(x.messages.shown.size(), 1u);
    EXPECT_EQ(x.messages.shown[0].text, Gbk("正则创建失败，请检查正则表达式语句是否有误！"));
    EXPECT_EQ(x.messages.shown[0].icon, MessageIcon::Error);
}

TEST(ExtractNews, ReportsAPageWithoutMatches) {
    for (const Text& page : {Text{}, Text("<html>no headlines</html>")}) {
        Extraction x(0, 5);
        EXPECT_EQ(x.run(NewsPattern(1), page), "");
        ASSERT_EQ(x.messages.shown.size(), 1u);
        EXPECT_EQ(x.messages.shown[0].text, Gbk("匹配失败，请检检查正则语句是否有误，数量：0"));
        EXPECT_EQ(x.messages.shown[0].icon, MessageIcon::Error);
    }
}

TEST(ExtractNews, ReadsTheGroupsInTheOrderGiven) {
    Extraction titleOnly(0, 2);
    titleOnly.links(true);
    EXPECT_EQ(titleOnly.run(NewsPattern(14),
                            Utf8ToAnsi(NewsFixture("city_government.html")), {0, 1}),
              Gbk("1.兴华通知一\r\n\r\n2.兴华通知二\r\n\r\n"));

    Extraction titleFirst(0, 1);
    titleFirst.links(true);
    EXPECT_EQ(titleFirst.run(NewsPattern(15), Utf8ToAnsi(NewsFixture("deyang.html")), {2, 1}),
              Gbk("1.德阳新闻一\r\n/wssb/2026/1.html\r\n"));
}

TEST(StripDotSegments, RemovesEachStretchFromOneDotToTheNext) {
    const std::pair<Text, Text> cases[] = {
        {"a.b.c.d", "ac.d"},
        {"3.5", "3.5"},
        {Gbk("版本2.0.1发布"), Gbk("版本21发布")},
        {"a...b", "a.b"},
        {"", ""},
        {"no dots", "no dots"},
        {Gbk("第1.2.3.4.5条"), Gbk("第135条")},
    };
    for (const auto& [title, expected] : cases) {
        EXPECT_EQ(StripDotSegments(title), expected) << title;
    }
}

TEST(TidyLink, DropsLineBreaksAtTheEnds) {
    const std::pair<Text, Text> cases[] = {
        {"\r\n/news/1.html", "/news/1.html"},
        {"/news/1.html\r\n", "/news/1.html"},
        {"/news/1.html\n", "/news/1.html"},
        {"\r/news/1.html", "/news/1.html"},
        // Only the first CR LF goes whole; of a second one only the CR at the start.
        {"\r\n\r\n/news/1.html", "\n/news/1.html"},
        {"http://a.example/x?y=1", "http://a.example/x?y=1"},
        {"", ""},
    };
    for (const auto& [link, expected] : cases) {
        EXPECT_EQ(TidyLink(link), expected) << link;
    }
}

}  // namespace
}  // namespace dq
