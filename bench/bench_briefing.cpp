// One-click generation against loopback stand-ins for the weather site and the news portal,
// over HTTPS as the real sites, with pages of 1 MiB and 16 MiB. The stand-ins run in a
// forked server process, so the server's work does not count as the click's. Beside the
// click, in the same run:
//   - BareCurlFourFetches: a bare libcurl program's four fetches of the same URLs (the weather
//     page twice, the news page twice), the reference the click is held against;
//   - OurFourFetches: the same four fetches through WebFetch;
//   - WorkOutsideFetches: what a click does besides fetching, on pages fetched beforehand.
// The click and the bare fetches also report their peak memory: each is run once more in a
// fresh process (this program started again with --peak), whose resident set before the run
// and at its highest during the run are read from /proc.
//
// Ratios are taken side by side: run with --benchmark_repetitions=9
// --benchmark_enable_random_interleaving=true and compare the medians.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "bare_curl_fetch.h"
#include "content/news_catalogue.h"
#include "content/news_extraction.h"
#include "content/quotes.h"
#include "content/weather.h"
#include "forked_server.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "web/fetch.h"
#include "web/loopback_routes.h"
#include "web/text_utils.h"
#include "web/utf8_between.h"
#include "workbench/atomic_file.h"
#include "workbench/briefing.h"

namespace {

namespace fs = std::filesystem;
using dq::Text;

constexpr std::string_view kPeakMode = "--peak";
constexpr std::string_view kWeatherPath = "/shijiazhuang/";
constexpr int kPageSizesMiB[] = {1, 16};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("missing " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The page with filler lines put in after "<body>" until it holds about bytes, so that every
// marker and every match lies behind the bulk of the markup.
std::string Inflate(const std::string& page, const std::string& fillerLine, std::size_t bytes) {
    const std::size_t at = page.find("<body>") + 6;
    std::string filler;
    filler.reserve(bytes);
    while (filler.size() + page.size() < bytes) filler += fillerLine;
    return page.substr(0, at) + "\n" + filler + page.substr(at);
}

struct Pages {
    explicit Pages(int mib) {
        const std::size_t bytes = static_cast<std::size_t>(mib) << 20;
        weather = Inflate(ReadFile(fs::path(DQ_BRIEFING_FIXTURES) / "shijiazhuang.html"),
                          "<li><a href=\"/city/130100/\">城市天气预报</a>"
                          "<span>晴转多云 -5 ~ 6℃</span></li>\n",
                          bytes);
        news = Inflate(ReadFile(fs::path(DQ_NEWS_FIXTURES) / "portal_home.html"),
                       "<p class=\"intro\"><a href=\"/gn/2026/12-11/10086.shtml\" "
                       "target=\"_blank\">今日要闻摘要标题</a></p>\n",
                       bytes);
    }
    std::string weather;
    std::string news;
};

const dq::NewsSource& Portal() { return dq::NewsCatalogue().front(); }

// The real URLs of the click's four fetches, in its order.
std::vector<std::string> FourUrls() {
    const std::string weather = dq::WeatherPageAddress("shijiazhuang");
    const std::string news = dq::NewsPageAddress(Portal());
    return {weather, weather, news, news};
}

// Sends the weather site and the portal to the loopback server on port, for both the
// program's transfers and the bare reference's.
std::vector<std::string> RouteSites(int port) {
    std::vector<std::string> connectTo;
    for (const std::string_view host : {dq::kWeatherSiteHost, Portal().host}) {
        dq::web::testing::RouteToLoopback(host, 443, port);
        connectTo.push_back(std::string(host) + ":443:127.0.0.1:" + std::to_string(port));
    }
    return connectTo;
}

// The form of a click that makes weather, the portal's news and a quote.
struct Click {
    Click() {
        char pattern[] = "/tmp/bench-briefing-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
        directory = pattern;
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
    ~Click() { fs::remove_all(directory); }

    // One click; false when it did not end in the success window.
    bool Run() {
        dq::testing::RecordingMessages messages;
        dq::GenerateBriefing(form, state, messages, directory.string());
        return messages.shown.empty() && messages.successWindows == 1;
    }

    fs::path directory;
    dq::testing::FakeForm form;
    dq::WorkbenchState state;
};

// One server process per page size, forked before the benchmark library starts any thread.
struct Site {
    explicit Site(int mib)
        : pages(mib),
          server({{std::string(kWeatherPath), dq::testing::CannedResponse::Ok(pages.weather)},
                  {"/", dq::testing::CannedResponse::Ok(pages.news)}}) {}
    Pages pages;
    dq::bench::ForkedServer server;
};

std::map<int, std::unique_ptr<Site>>& Sites() {
    static std::map<int, std::unique_ptr<Site>> sites;
    return sites;
}

Site& SiteOf(const benchmark::State& run) { return *Sites().at(static_cast<int>(run.range(0))); }

// ---- peak memory, measured in a fresh process ----

std::size_t StatusKiB(std::string_view field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field)) return std::strtoull(line.c_str() + field.size(), nullptr, 10);
    }
    return 0;
}

// Runs one click ("click") or the bare four fetches ("bare") against the server on port and
// prints the resident set before it and its peak during it, in KiB.
int MeasurePeak(std::string_view what, int port) {
    const std::vector<std::string> connectTo = RouteSites(port);
    Click click;
    const std::size_t before = StatusKiB("VmRSS:");
    // Forget the peak so far (a kernel that lacks this keeps it, which is below the run's).
    std::ofstream("/proc/self/clear_refs") << "5";
    bool ok = true;
    if (what == "click") {
        ok = click.Run();
    } else {
        for (const std::string& url : FourUrls()) ok = ok && !dq::bench::BareCurlFetch(url, connectTo).empty();
    }
    std::printf("%zu %zu\n", before, StatusKiB("VmHWM:"));
    return ok ? 0 : 1;
}

// Starts this program again in peak mode; sets the counters peak_MiB (above the start) and
// peak_per_page (that over the page size).
void ReportPeak(benchmark::State& run, std::string_view what) {
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string command = self + " " + std::string(kPeakMode) + " " + std::string(what) + " " +
                                std::to_string(SiteOf(run).server.port());
    FILE* child = ::popen(command.c_str(), "r");
    std::size_t before = 0;
    std::size_t peak = 0;
    const bool read = child != nullptr && std::fscanf(child, "%zu %zu", &before, &peak) == 2;
    const bool clean = child != nullptr && ::pclose(child) == 0;
    if (!read || !clean) {
        run.SkipWithError("the peak-memory run failed");
        return;
    }
    const double aboveMiB = static_cast<double>(peak - before) / 1024.0;
    run.counters["start_MiB"] = static_cast<double>(before) / 1024.0;
    run.counters["peak_MiB"] = aboveMiB;
    run.counters["peak_per_page"] = aboveMiB / static_cast<double>(run.range(0));
}

// ---- the benchmarks ----

void SetPageBytes(benchmark::State& run) {
    const Pages& pages = SiteOf(run).pages;
    run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) *
                          static_cast<std::int64_t>(2 * (pages.weather.size() + pages.news.size())));
}

void BM_OneClickGeneration(benchmark::State& run) {
    RouteSites(SiteOf(run).server.port());
    Click click;
    for (auto _ : run) {
        if (!click.Run()) run.SkipWithError("the briefing was not generated cleanly");
    }
    SetPageBytes(run);
    ReportPeak(run, "click");
}

void BM_BareCurlFourFetches(benchmark::State& run) {
    const std::vector<std::string> connectTo = RouteSites(SiteOf(run).server.port());
    const std::vector<std::string> urls = FourUrls();
    for (auto _ : run) {
        for (const std::string& url : urls) {
            const std::string page = dq::bench::BareCurlFetch(url, connectTo);
            if (page.size() < (static_cast<std::size_t>(run.range(0)) << 20)) run.SkipWithError("short page");
            benchmark::DoNotOptimize(page.data());
        }
    }
    SetPageBytes(run);
    ReportPeak(run, "bare");
}

void BM_OurFourFetches(benchmark::State& run) {
    RouteSites(SiteOf(run).server.port());
    const std::vector<std::string> urls = FourUrls();
    for (auto _ : run) {
        for (const std::string& url : urls) {
            const Text page = dq::WebFetch(url);
            if (page.size() < (static_cast<std::size_t>(run.range(0)) << 20)) run.SkipWithError("short page");
            benchmark::DoNotOptimize(page.data());
        }
    }
    SetPageBytes(run);
}

// What a click does besides its four fetches, in the same order, on the fetched bodies.
void BM_WorkOutsideFetches(benchmark::State& run) {
    const Pages& pages = SiteOf(run).pages;
    Click click;
    dq::testing::RecordingMessages messages;
    const std::string wxTxt = (click.directory / "wx.txt").string();
    const Text degree = dq::Utf8ToAnsi("℃");
    dq::WorkbenchState& state = click.state;
    dq::testing::FakeForm& form = click.form;
    for (auto _ : run) {
        std::string page = pages.weather;  // the body the first fetch hands over
        bool comesBack = false;
        state.weatherPage = dq::Utf8ToAnsi(page, comesBack);
        if (!comesBack) page.clear();
        Text weather = dq::WeatherHeader(form, state, messages) + dq::WeatherSeparator() +
                       dq::WeatherWeekLine(state) + dq::WeatherAverageText(state);
        weather += dq::TextBetween(state.weatherPage, "<span><b>", "</b") +
                   dq::TextBetween(dq::Utf8TextBetween(pages.weather, "<span><b>", "</span>"), "b>", degree);
        weather += dq::WeatherDetailLine(
            dq::services::GbkSubject::FromConverted(state.weatherPage, std::move(page), comesBack), messages);
        form.setText("编辑框_天气", weather);
        for (int preview = 0; preview < 2; ++preview) {
            form.setText("编辑框_新闻", Text{});
            dq::ExtractNews(form, state, messages, dq::NewsPattern(1),
                            dq::services::GbkSubject::FromUtf8(pages.news));
        }
        dq::QuotePreview(form, state, messages, [] {});
        if (!dq::WriteFileAtomically(wxTxt, dq::BriefingText(form)).empty())
            run.SkipWithError("wx.txt not written");
    }
    if (!messages.shown.empty()) run.SkipWithError("a piece failed");
    SetPageBytes(run);
}

void PageSizes(benchmark::internal::Benchmark* b) {
    b->ArgName("MiB")->Unit(benchmark::kMillisecond)->UseRealTime();
    for (const int mib : kPageSizesMiB) b->Arg(mib);
}

BENCHMARK(BM_OneClickGeneration)->Apply(PageSizes);
BENCHMARK(BM_BareCurlFourFetches)->Apply(PageSizes);
BENCHMARK(BM_OurFourFetches)->Apply(PageSizes);
BENCHMARK(BM_WorkOutsideFetches)->Apply(PageSizes);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && argv[1] == kPeakMode) return MeasurePeak(argv[2], std::atoi(argv[3]));
    for (const int mib : kPageSizesMiB) Sites().emplace(mib, std::make_unique<Site>(mib));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Sites().clear();
    return 0;
}
