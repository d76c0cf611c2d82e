// WebRequest of a 1 MB page that declares charset=utf-8 (fetch, meta search and decode to
// GBK) beside the same work done bare: libcurl fetching the page into a string and one ICU
// conversion of it from UTF-8 to GBK. The page comes from a loopback server in another
// process.
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <unicode/ucnv.h>

#include <memory>
#include <string>

#include "bare_curl_fetch.h"
#include "forked_server.h"
#include "web/web_request.h"

namespace {

constexpr std::size_t kPageBytes = 1 << 20;

std::string Utf8Page() {
    std::string page = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=utf-8\"><title>新闻</title></head><body>\n";
    const std::string piece =
        "<li><a href=\"https://news.example.com/20261211/a.shtml\">今日要闻：城市交通与天气</a></li>\n";
    while (page.size() < kPageBytes) page += piece;
    return page + "</body></html>";
}

const std::string& PageUrl() {
    static const dq::bench::ForkedServer server({{"/page", dq::testing::CannedResponse::Ok(Utf8Page())}});
    static const std::string url = server.url("/page");
    return url;
}

std::string BareUtf8ToGbk(const std::string& utf8) {
    UErrorCode error = U_ZERO_ERROR;
    std::string gbk(utf8.size() * 2, '\0');
    const std::int32_t length =
        ucnv_convert("windows-936-2000", "UTF-8", gbk.data(), static_cast<std::int32_t>(gbk.size()),
                     utf8.data(), static_cast<std::int32_t>(utf8.size()), &error);
    gbk.resize(U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0);
    return gbk;
}

void BM_WebRequestUtf8Page(benchmark::State& state) {
    const std::string& url = PageUrl();
    for (auto _ : state) {
        const dq::Text page = dq::WebRequest(url);
        if (page.size() < kPageBytes / 2 || page.size() >= kPageBytes) state.SkipWithError("not decoded");
        benchmark::DoNotOptimize(page.data());
    }
}

void BM_BareFetchAndConvert(benchmark::State& state) {
    const std::string& url = PageUrl();
    for (auto _ : state) {
        const std::string page = BareUtf8ToGbk(dq::bench::BareCurlFetch(url));
        if (page.size() < kPageBytes / 2 || page.size() >= kPageBytes) state.SkipWithError("not converted");
        benchmark::DoNotOptimize(page.data());
    }
}

BENCHMARK(BM_WebRequestUtf8Page)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareFetchAndConvert)->Unit(benchmark::kMillisecond);

}  // namespace
