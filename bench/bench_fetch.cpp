// Fetching a 1 MB page from the loopback server: WebFetch against the smallest libcurl
// program that does the same (one easy handle per fetch, body appended to a string), in the
// same process, from the same server.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <string>

#include "bare_curl_fetch.h"
#include "support/test_server.h"
#include "web/fetch.h"

namespace {

constexpr std::size_t kPageBytes = 1 << 20;

std::string Page() {
    std::string page;
    while (page.size() < kPageBytes) page += "<li><a href=\"/n/1\">headline</a></li>\n";
    page.resize(kPageBytes);
    return page;
}

// One server for the whole run, serving the page at /page.
struct PageServer {
    PageServer() { server.on("/page", dq::testing::CannedResponse::Ok(Page())); }
    dq::testing::TestServer server;
};

const std::string& PageUrl() {
    static PageServer pages;
    static const std::string url = pages.server.url("/page");
    return url;
}

void BM_WebFetch(benchmark::State& state) {
    const std::string& url = PageUrl();
    for (auto _ : state) {
        const dq::Text page = dq::WebFetch(url);
        if (page.size() != kPageBytes) state.SkipWithError("short page");
        benchmark::DoNotOptimize(page.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kPageBytes));
}

void BM_PlainLibcurl(benchmark::State& state) {
    const std::string& url = PageUrl();
    for (auto _ : state) {
        const std::string page = dq::bench::BareCurlFetch(url);
        if (page.size() != kPageBytes) state.SkipWithError("short page");
        benchmark::DoNotOptimize(page.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kPageBytes));
}

BENCHMARK(BM_WebFetch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainLibcurl)->Unit(benchmark::kMillisecond);

}  // namespace
