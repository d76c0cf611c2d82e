// Short links inside the news extraction: every link of a preview through the selected
// interface, one time-out per preview against a service that never answers, and one-click
// generation writing the short links into wx.txt.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "code_hosting_site.h"
#include "content/news_catalogue.h"
#include "content/news_preview.h"
#include "content/weather.h"
#include "shortlink/short_link.h"
#include "support/case_name.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "web/fetch_limits.h"
#include "workbench/briefing.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

namespace fs = std::filesystem;
using testing::CannedResponse;
using testing::CodeHostingSite;
using testing::FakeForm;
using testing::RecordingMessages;

const NewsSource& PortalEntry() { return NewsCatalogue().front(); }

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A portal page (UTF-8) with twelve headlines linking to /gn/1.shtml ... /gn/12.shtml.
std::string TwelveHeadlines() {
    std::string page = "<html><head><meta charset=\"utf-8\"></head><body><div class=\"list\">\n";
    for (int i = 1; i <= 12; ++i) {
        page += "<p class=\"listp\"><a href=\"https://www.example.cn/gn/" + std::to_string(i) +
                ".shtml\" target=\"_blank\">要闻" + std::to_string(i) + "</a></p>\n";
    }
    return page + "</div></body></html>\n";
}

// The service's request target for a link: the GET row's address path and filled-in template.
std::string TargetFor(const std::string& link) { return "/api?url=" + PercentEncode(link); }

class ShortLinksInNews : public ::testing::Test {
protected:
    ShortLinksInNews() {
        hosting.site.route(std::string(PortalEntry().host));
        form.setCurrentIndex(controls::kNewsTabs, 0);
        form.setChecked("单选框_综合", true);
        form.setChecked("选择框_开启网址", true);
        form.setChecked("选择框_开启短链", true);
        form.addRow(controls::kInterfaceList,
                    {"1", "s", "GET", "", "", "url=$Url$", "https://dwz.example/api?"});
        form.setSelectedRow(controls::kInterfaceList, 0);
    }

    int serviceRequests() const {
        int count = 0;
        for (const auto& request : hosting.site.server.requests()) count += request.host() == "dwz.example";
        return count;
    }

    // The link lines of 编辑框_新闻: every second line.
    std::vector<Text> linkLines() const {
        std::vector<Text> links;
        const std::vector<Text> lines = text::Split(form.text(controls::kNewsBox), "\r\n");
        for (std::size_t i = 1; i < lines.size(); i += 2) links.push_back(lines[i]);
        return links;
    }

    CodeHostingSite hosting;
    FakeForm form;
    WorkbenchState state;
    RecordingMessages messages;
};

TEST_F(ShortLinksInNews, EveryLinkOfThePreviewIsShortened) {
    hosting.site.server.on(std::string(PortalEntry().host), "/", CannedResponse::Ok(TwelveHeadlines()));
    for (int i = 1; i <= 12; ++i)
        hosting.answer(TargetFor("https://www.example.cn/gn/" + std::to_string(i) + ".shtml"),
                       "{\"shorturl\":\"https://t.cn/" + std::to_string(i) + "\"}");
    state.newsCount = 12;
    NewsPreview(form, state, messages);
    std::vector<Text> expected;
    for (int i = 1; i <= 12; ++i) expected.push_back("https://t.cn/" + std::to_string(i));
    EXPECT_EQ(linkLines(), expected);
}

struct DeadServiceCase {
    const char* name;
    CannedResponse answer;
    int expectedRequests;
};

class DeadService : public ShortLinksInNews,
                    public ::testing::WithParamInterface<DeadServiceCase> {};

TEST_P(DeadService, SilenceCostsOneRequestPerPreview) {
    web::FetchLimits limits = web::CurrentFetchLimits();
    limits.requestTimeout = std::chrono::seconds(1);
    web::testing::ScopedFetchLimits scoped(limits);
    hosting.site.server.on(std::string(PortalEntry().host), "/", CannedResponse::Ok(TwelveHeadlines()));
    for (int i = 1; i <= 12; ++i)
        hosting.site.server.on("dwz.example",
                               TargetFor("https://www.example.cn/gn/" + std::to_string(i) + ".shtml"),
                               GetParam().answer);
    state.newsCount = 12;
    NewsPreview(form, state, messages);
    EXPECT_EQ(serviceRequests(), GetParam().expectedRequests);
    EXPECT_EQ(linkLines(), std::vector<Text>(12, Text()));
}

INSTANTIATE_TEST_SUITE_P(
    ShortLink, DeadService,
    ::testing::Values(
        // Accepts the connection, never answers: after the first time-out nobody is asked.
        DeadServiceCase{"NeverAnswers", CannedResponse::Silence(), 1},
        // Closes at once without an answer: fails fast, so every link is tried.
        DeadServiceCase{"HangsUpAtOnce", CannedResponse::Verbatim(""), 12}),
    testing::CaseName<DeadServiceCase>);

TEST_F(ShortLinksInNews, OneClickWritesTheShortLinksIntoWxTxt) {
    hosting.site.route(std::string(kWeatherSiteHost));
    hosting.site.server.on(std::string(kWeatherSiteHost), "/shijiazhuang/",
                           CannedResponse::Ok(ReadFile(fs::path(DQ_BRIEFING_FIXTURES) / "shijiazhuang.html")));
    hosting.site.server.on(std::string(PortalEntry().host), "/",
                           CannedResponse::Ok(ReadFile(fs::path(DQ_NEWS_FIXTURES) / "portal_home.html")));
    for (int i = 1; i <= 5; ++i)
        hosting.answer(TargetFor("https://www.example.cn/gn/" + std::to_string(i) + ".shtml"),
                       "{\"code\":0,\"shortUrl\":\"https://t.cn/A" + std::to_string(i) + "\"}");
    form.setChecked("单选框_天气开", true);
    form.setChecked("单选框_晨报默认头部", true);
    form.setText(controls::kCity, Utf8ToAnsi("石家庄"));
    form.setText(controls::kWeatherBox, Utf8ToAnsi("Dawnquill头部"));
    form.setText(controls::kNewsBox, Utf8ToAnsi("点击新闻预览"));
    form.setChecked("单选框_寄语默认头部", true);
    form.setText(controls::kQuoteBox, Utf8ToAnsi("千里之行，始于足下。"));
    state.newsCount = 5;
    const fs::path directory = fs::temp_directory_path() / ("short-wx-" + std::to_string(::getpid()));
    fs::create_directories(directory);

    GenerateBriefing(form, state, messages, directory.string());
    EXPECT_EQ(ReadFile(directory / "wx.txt"), testing::ShortLinkFixture("golden_wx_short.txt"));
    EXPECT_EQ(messages.successWindows, 1);
    EXPECT_EQ(serviceRequests(), 10);  // five links, previewed twice
    fs::remove_all(directory);
}

}  // namespace
}  // namespace dq
