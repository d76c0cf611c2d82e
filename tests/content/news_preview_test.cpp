#include "content/news_preview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "content/news_catalogue.h"
#include "content/news_test_pages.h"
#include "support/fake_form.h"
#include "support/loopback_site.h"
#include "support/recording_messages.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::CannedResponse;
using testing::FakeForm;
using testing::Gbk;
using testing::NewsFixture;
using testing::RecordingMessages;
using testing::TestServer;

constexpr std::string_view kCustomHost = "custom.example.cn";

// Every host the news preview may ask for goes to the loopback server, on both schemes.
class NewsPreviewTest : public ::testing::Test {
protected:
    NewsPreviewTest() {
        for (const NewsSource& source : NewsCatalogue()) site.route(std::string(source.host));
        state.newsCount = 1;
    }

    void choose(int page, std::string_view control) {
        form.setCurrentIndex(controls::kNewsTabs, page);
        form.setChecked(control, true);
    }
    Text run() {
        NewsPreview(form, state, messages);
        return form.text(controls::kNewsBox);
    }

    testing::LoopbackSite site{{std::string(kCustomHost)}};
    TestServer& server = site.server;
    FakeForm form;
    WorkbenchState state;
    RecordingMessages messages;
};

const NewsSource& Entry(std::string_view control) {
    const auto catalogue = NewsCatalogue();
    const auto it = std::find_if(catalogue.begin(), catalogue.end(),
                                 [&](const NewsSource& s) { return s.control == control; });
    if (it == catalogue.end()) throw std::runtime_error("no catalogue entry " + std::string(control));
    return *it;
}

struct Expected {
    int page;
    const char* control;
    bool secure;
    char site;
    const char* path;     // as requested
    const char* fixture;  // a page in the family of the entry's pattern
    const char* title;    // its first headline (UTF-8)
};

// The whole catalogue, page by page in the order the radio buttons are tested. The pharma
// page is GBK: its title comes out right only when the page is used as fetched.
const Expected kCatalogue[] = {
    {0, "单选框_综合", true, 'A', "/", "portal_home.html", "要闻一"},
    {0, "单选框_国内", false, 'B', "/guonei", "channel_guonei.html", "国内要闻一"},
    {0, "单选框_财经", true, 'B', "/finance", "channel_finance.html", "财经要闻一"},
    {0, "单选框_军事", false, 'B', "/mil", "channel_column.html", "频道要闻一"},
    {0, "单选框_娱乐", false, 'B', "/ent", "channel_column.html", "频道要闻一"},
    {0, "单选框_女人", false, 'B', "/lady", "channel_column.html", "频道要闻一"},
    {0, "单选框_体育", false, 'B', "/sports", "channel_sports.html", "体育要闻一"},
    {0, "单选框_科技", false, 'B', "/tech", "channel_tech.html", "科技要闻一"},
    {0, "单选框_国际", false, 'B', "/guoji", "channel_column.html", "频道要闻一"},
    {0, "单选框_房产", false, 'B', "/house", "channel_house.html", "房产要闻一"},
    {0, "单选框_医药", false, 'C', "/news/hyyw/news/index0.html", "pharma_news_gbk.html",
     "医药要闻一"},
    {0, "单选框_汽车", false, 'B', "/auto", "channel_auto.html", "汽车要闻一"},
    {0, "单选框_安全", false, 'D', "/news/index.html", "safety_news.html", "安全要闻一"},
    {0, "单选框_游戏", false, 'B', "/game", "channel_game.html", "游戏要闻一"},
    {0, "单选框_能源", false, 'E', "/energy/index.htm", "list_items.html", "列表要闻一"},
    {0, "单选框_食品", false, 'F', "/food/index.htm", "list_items.html", "列表要闻一"},
    {0, "单选框_教育", false, 'G', "/", "education.html", "教育要闻一"},
    {0, "单选框_旅游", false, 'F', "/travel/", "list_items.html", "列表要闻一"},
    {1, "单选框_知乎", true, 'H', "/n/mproPpoq6O", "hot_list.html", "热榜第一"},
    {1, "单选框_微博", true, 'H', "/n/KqndgxeLl9", "hot_list.html", "热榜第一"},
    {1, "单选框_微信", true, 'H', "/n/WnBe01o371", "hot_list.html", "热榜第一"},
    {1, "单选框_澎湃", true, 'H', "/n/wWmoO5Rd4E", "hot_list.html", "热榜第一"},
    {1, "单选框_哔哩", true, 'H', "/n/74KvxwokxM", "hot_list.html", "热榜第一"},
    {1, "单选框_网易", true, 'H', "/n/ENeYa4DeY4", "hot_list.html", "热榜第一"},
    {1, "单选框_36氪", true, 'H', "/n/Q1Vd5Ko85R", "hot_list.html", "热榜第一"},
    {1, "单选框_虎嗅", true, 'H', "/n/5VaobgvAj1", "hot_list.html", "热榜第一"},
    {1, "单选框_抖音", true, 'H', "/n/DpQvNABoNE", "hot_list.html", "热榜第一"},
    {1, "单选框_天涯", true, 'H', "/n/Jb0vmmlvB1", "hot_list.html", "热榜第一"},
    {1, "单选框_今日头条", true, 'H', "/n/20MdKa2ow1", "hot_list.html", "热榜第一"},
    {1, "单选框_豆瓣电影", true, 'H', "/n/mDOvnyBoEB", "hot_list.html", "热榜第一"},
    {1, "单选框_小红书", true, 'H', "/n/L4MdA5ldxD", "hot_list.html", "热榜第一"},
    {1, "单选框_汽车之家", true, 'H', "/n/YqoXQGXvOD", "hot_list.html", "热榜第一"},
    {1, "单选框_虎扑社区", true, 'H', "/n/G47o8weMmN", "hot_list.html", "热榜第一"},
    {1, "单选框_CSDN论坛", true, 'H', "/n/K7GdajgeQy", "hot_list.html", "热榜第一"},
    {1, "单选框_IT之家", true, 'H', "/n/74Kvx59dkx", "hot_list.html", "热榜第一"},
    {1, "单选框_吾爱破解", true, 'H', "/n/NKGoRAzel6", "hot_list.html", "热榜第一"},
    {2, "单选框_兴华", false, 'I', "/col/col48705/index.html", "city_government.html",
     "兴华通知一"},
    {2, "单选框_德阳", true, 'J', "/wssb", "deyang.html", "德阳新闻一"},
    {2, "单选框_石家庄", false, 'K', "/", "list_items.html", "列表要闻一"},
};

TEST_F(NewsPreviewTest, EveryCatalogueEntryFetchesItsOwnPageAndReadsItsHeadlines) {
    std::vector<std::pair<int, std::string_view>> expectedOrder, catalogueOrder;
    for (const Expected& e : kCatalogue) expectedOrder.emplace_back(e.page, e.control);
    for (const NewsSource& s : NewsCatalogue()) catalogueOrder.emplace_back(s.tabPage, s.control);
    EXPECT_EQ(catalogueOrder, expectedOrder);

    std::map<char, std::string_view> siteHosts;
    for (const Expected& e : kCatalogue) {
        SCOPED_TRACE(e.control);
        const NewsSource& source = Entry(e.control);
        const auto [known, fresh] = siteHosts.emplace(e.site, source.host);
        EXPECT_EQ(known->second, source.host) << "one site, one host";

        server.on(std::string(source.host), e.path, CannedResponse::Ok(NewsFixture(e.fixture)));
        FakeForm entryForm;
        entryForm.setCurrentIndex(controls::kNewsTabs, e.page);
        entryForm.setChecked(e.control, true);
        NewsPreview(entryForm, state, messages);

        const auto request = server.lastRequest();
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.secure, e.secure);
        EXPECT_EQ(request.host(), source.host);
        EXPECT_EQ(request.target, e.path);
        EXPECT_EQ(entryForm.text(controls::kNewsBox), "1." + Gbk(e.title) + "\r\n");
    }
    EXPECT_TRUE(messages.shown.empty());

    std::set<std::string_view> distinctHosts;
    for (const auto& [letter, host] : siteHosts) distinctHosts.insert(host);
    EXPECT_EQ(distinctHosts.size(), siteHosts.size()) << "every site has a host of its own";
    EXPECT_EQ(siteHosts['B'], "news.baidu.com");
    EXPECT_EQ(siteHosts['H'], "tophub.today");
}

TEST_F(NewsPreviewTest, TakesTheFirstCheckedRadioButtonOfThePageInCatalogueOrder) {
    server.on("/guonei", CannedResponse::Ok(NewsFixture("channel_guonei.html")));
    server.on("/news/hyyw/news/index0.html", CannedResponse::Ok(NewsFixture("pharma_news_gbk.html")));
    choose(0, controls::kNewsPharma);
    choose(0, controls::kNewsDomestic);
    EXPECT_EQ(run(), Gbk("1.国内要闻一\r\n"));
    EXPECT_EQ(server.lastRequest().target, "/guonei");
}

TEST_F(NewsPreviewTest, DoesNothingWithoutAChoiceOnTheCurrentPage) {
    struct Case {
        int page;
        std::string_view checkedElsewhere;
    };
    // A radio button checked on another page has no effect.
    for (const Case& c : {Case{2, ""}, Case{1, controls::kNewsGeneral},
                          Case{0, controls::kHot52Pojie}, Case{2, controls::kHotZhihu}}) {
        FakeForm pageForm;
        pageForm.setCurrentIndex(controls::kNewsTabs, c.page);
        if (!c.checkedElsewhere.empty()) pageForm.setChecked(c.checkedElsewhere, true);
        pageForm.setText(controls::kNewsBox, "old news\r\n");
        NewsPreview(pageForm, state, messages);
        EXPECT_EQ(pageForm.text(controls::kNewsBox), "old news\r\n") << c.page;
    }
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NewsPreviewTest, EmptiesTheBoxBeforeAFetchThatBringsNothing) {
    CannedResponse notFound;
    notFound.status = 404;
    notFound.reason = "Not Found";
    server.on("/guonei", notFound);
    choose(0, controls::kNewsDomestic);
    form.setText(controls::kNewsBox, "old news\r\n");
    EXPECT_EQ(run(), "");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, Gbk("匹配失败，请检检查正则语句是否有误，数量：0"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
}

TEST_F(NewsPreviewTest, LocalNewsReadTheirGroupsInTheirOwnOrder) {
    server.on("/col/col48705/index.html", CannedResponse::Ok(NewsFixture("city_government.html")));
    server.on("/wssb", CannedResponse::Ok(NewsFixture("deyang.html")));
    state.newsCount = 2;
    form.setChecked(controls::kLinksOn, true);

    choose(2, controls::kLocalXinghua);
    EXPECT_EQ(run(), Gbk("1.兴华通知一\r\n\r\n2.兴华通知二\r\n\r\n"));

    form.setChecked(controls::kLocalXinghua, false);
    choose(2, controls::kLocalDeyang);
    const Text base = "https://" + Text(Entry(controls::kLocalDeyang).host);
    EXPECT_EQ(run(), Gbk("1.德阳新闻一\r\n") + base + "/wssb/2026/1.html\r\n" +
                         Gbk("2.德阳新闻二\r\n") + base + "/wssb/2026/2.html\r\n");
}

TEST_F(NewsPreviewTest, CustomSourceIsConvertedOnlyWhenUtf8IsChosen) {
    server.on("/gbk", CannedResponse::Ok(NewsFixture("pharma_news_gbk.html")));
    server.on("/utf8", CannedResponse::Ok(NewsFixture("list_items.html")));
    struct Case {
        std::string_view encodingButton;
        const char* path;
        int pattern;
        const char* title;
    };
    for (const Case& c :
         {Case{controls::kSourceIsUtf8, "/utf8", 12, "列表要闻一"},
          Case{"单选框_gb2312", "/gbk", 8, "医药要闻一"}, Case{"", "/gbk", 8, "医药要闻一"}}) {
        FakeForm pageForm;
        pageForm.setCurrentIndex(controls::kNewsTabs, kCustomSourcePage);
        if (!c.encodingButton.empty()) pageForm.setChecked(c.encodingButton, true);
        state.sourceUrl = "http://" + Text(kCustomHost) + c.path;
        state.sourcePattern = NewsPattern(c.pattern);
        NewsPreview(pageForm, state, messages);
        EXPECT_EQ(pageForm.text(controls::kNewsBox), "1." + Gbk(c.title) + "\r\n")
            << c.encodingButton;
        EXPECT_EQ(server.lastRequest().host(), kCustomHost);
    }
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace dq
