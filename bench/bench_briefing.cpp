// One-click generation against loopback stand-ins for the weather site and the news portal,
// with pages of about 1 MB each, beside the same four page fetches made alone (the weather
// page twice, the news page twice) and beside the work a click does apart from fetching
// (conversion, extraction, formatting, writing wx.txt) on pages fetched beforehand.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "content/news_catalogue.h"
#include "content/news_extraction.h"
#include "content/quotes.h"
#include "content/weather.h"
#include "support/fake_form.h"
#include "support/loopback_site.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "web/fetch.h"
#include "web/text_utils.h"
#include "workbench/atomic_file.h"
#include "workbench/briefing.h"

namespace {

namespace fs = std::filesystem;
using dq::Text;

constexpr std::size_t kPageBytes = 1u << 20;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("missing " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The page with filler lines put in after "<body>" until it holds about kPageBytes, so that
// every marker and every match lies behind a megabyte of markup.
std::string Inflate(const std::string& page, const std::string& fillerLine) {
    const std::size_t at = page.find("<body>") + 6;
    std::string filler;
    while (filler.size() + page.size() < kPageBytes) filler += fillerLine;
    return page.substr(0, at) + "\n" + filler + page.substr(at);
}

struct Bench {
    Bench() {
        char pattern[] = "/tmp/bench-briefing-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
        directory = pattern;
        weatherPage = Inflate(ReadFile(fs::path(DQ_BRIEFING_FIXTURES) / "shijiazhuang.html"),
                              "<li><a href=\"/city/130100/\">城市天气预报</a>"
                              "<span>晴转多云 -5 ~ 6℃</span></li>\n");
        newsPage = Inflate(ReadFile(fs::path(DQ_NEWS_FIXTURES) / "portal_home.html"),
                           "<p class=\"intro\"><a href=\"/gn/2026/12-11/10086.shtml\" "
                           "target=\"_blank\">今日要闻摘要标题</a></p>\n");
        const dq::NewsSource& portal = dq::NewsCatalogue().front();
        site.route(std::string(portal.host));
        site.server.on(std::string(dq::kWeatherSiteHost), "/shijiazhuang/",
                       dq::testing::CannedResponse::Ok(weatherPage));
        site.server.on(std::string(portal.host), "/", dq::testing::CannedResponse::Ok(newsPage));
        weatherUrl = dq::WeatherPageAddress("shijiazhuang");
        newsUrl = dq::NewsPageAddress(portal);

        form.setChecked("单选框_天气开", true);
        form.setChecked("单选框_晨报默认头部", true);
        form.setText("城镇", dq::Utf8ToAnsi("石家庄"));
        form.setCurrentIndex(dq::controls::kNewsTabs, 0);
        form.setChecked("单选框_综合", true);
        form.setChecked("选择框_开启网址", true);
        form.setText("编辑框_新闻", dq::Utf8ToAnsi("点击新闻预览"));
        form.setChecked("单选框_寄语默认头部", true);
        form.setText("编辑框_寄语", dq::Utf8ToAnsi("千里之行，始于足下。"));
        state.newsCount = 12;
    }
    ~Bench() { fs::remove_all(directory); }

    dq::testing::LoopbackSite site{{std::string(dq::kWeatherSiteHost)}};
    fs::path directory;
    std::string weatherPage;
    std::string newsPage;
    Text weatherUrl;
    Text newsUrl;
    dq::testing::FakeForm form;
    dq::WorkbenchState state;
};

Bench& Shared() {
    static Bench bench;
    return bench;
}

void BM_OneClickGeneration(benchmark::State& run) {
    Bench& b = Shared();
    dq::testing::FakeForm form = b.form;
    dq::WorkbenchState state = b.state;
    dq::testing::RecordingMessages messages;
    for (auto _ : run) {
        dq::GenerateBriefing(form, state, messages, b.directory.string());
    }
    if (!messages.shown.empty() || messages.successWindows != static_cast<int>(run.iterations()))
        run.SkipWithError("the briefing was not generated cleanly");
    run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) *
                          static_cast<std::int64_t>(2 * (b.weatherPage.size() + b.newsPage.size())));
}
BENCHMARK(BM_OneClickGeneration)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PageFetchesAlone(benchmark::State& run) {
    Bench& b = Shared();
    for (auto _ : run) {
        for (const Text* url : {&b.weatherUrl, &b.weatherUrl, &b.newsUrl, &b.newsUrl}) {
            const Text page = dq::WebFetch(*url);
            if (page.size() < kPageBytes) run.SkipWithError("short page");
            benchmark::DoNotOptimize(page.data());
        }
    }
}
BENCHMARK(BM_PageFetchesAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a click does besides its four fetches, in the same order, on the fetched bodies.
void BM_WorkOutsideFetches(benchmark::State& run) {
    Bench& b = Shared();
    dq::testing::FakeForm form = b.form;
    dq::WorkbenchState state = b.state;
    dq::testing::RecordingMessages messages;
    const std::string wxTxt = (b.directory / "wx.txt").string();
    const Text degree = dq::Utf8ToAnsi("℃");
    for (auto _ : run) {
        state.weatherPage = dq::Utf8ToAnsi(b.weatherPage);
        Text weather = dq::WeatherHeader(form, state, messages) + dq::WeatherSeparator() +
                       dq::WeatherWeekLine(state) + dq::WeatherAverageText(state);
        const Text again = dq::Utf8ToAnsi(b.weatherPage);
        weather += dq::TextBetween(state.weatherPage, "<span><b>", "</b") +
                   dq::TextBetween(dq::TextBetween(again, "<span><b>", "</span>"), "b>", degree);
        weather += dq::WeatherDetailLine(state, messages);
        form.setText("编辑框_天气", weather);
        for (int preview = 0; preview < 2; ++preview) {
            form.setText("编辑框_新闻", Text{});
            dq::ExtractNews(form, state, messages, dq::NewsPattern(1), dq::Utf8ToAnsi(b.newsPage));
        }
        dq::QuotePreview(form, state, messages, [] {});
        if (!dq::WriteFileAtomically(wxTxt, dq::BriefingText(form)).empty())
            run.SkipWithError("wx.txt not written");
    }
    if (!messages.shown.empty()) run.SkipWithError("a piece failed");
}
BENCHMARK(BM_WorkOutsideFetches)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
