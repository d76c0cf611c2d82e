// Utf8ToAnsi of a 10 MB mixed Chinese and ASCII page, beside the bare ICU conversion of the
// same bytes with converters and buffers prepared in advance.
#include "web/encoding.h"

#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>

#include <memory>
#include <string>

namespace {

constexpr std::size_t kPageBytes = 10 * 1024 * 1024;

// A weather-page-like mix: markup and numbers in ASCII, Chinese text between them.
const std::string& MixedUtf8Page() {
    static const std::string page = [] {
        const std::string piece =
            "<li class=\"sky\"><h1>北京天气预报</h1><p>晴转多云 12/25℃ 东北风3级</p>"
            "<a href=\"/news/20261211.shtml\">今日要闻：城市交通</a></li>\r\n";
        std::string text;
        text.reserve(kPageBytes + piece.size());
        while (text.size() < kPageBytes) text += piece;
        return text;
    }();
    return page;
}

void BM_Utf8ToAnsi(benchmark::State& state) {
    const std::string& page = MixedUtf8Page();
    for (auto _ : state) {
        dq::Text gbk = dq::Utf8ToAnsi(page);
        benchmark::DoNotOptimize(gbk.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_Utf8ToAnsi)->Unit(benchmark::kMillisecond);

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

void BM_BareIcuConvertEx(benchmark::State& state) {
    const std::string& page = MixedUtf8Page();
    UErrorCode err = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> utf8(ucnv_open("UTF-8", &err));
    std::unique_ptr<UConverter, ConverterCloser> gbk(ucnv_open("windows-936-2000", &err));
    if (U_FAILURE(err)) {
        state.SkipWithError("ICU converters unavailable");
        return;
    }
    std::string out(page.size() * 2, '\0');
    for (auto _ : state) {
        const char* src = page.data();
        char* dst = out.data();
        err = U_ZERO_ERROR;
        ucnv_convertEx(gbk.get(), utf8.get(), &dst, out.data() + out.size(), &src,
                       page.data() + page.size(), nullptr, nullptr, nullptr, nullptr, true,
                       true, &err);
        benchmark::DoNotOptimize(dst);
        if (U_FAILURE(err)) {
            state.SkipWithError("conversion failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_BareIcuConvertEx)->Unit(benchmark::kMillisecond);

}  // namespace
