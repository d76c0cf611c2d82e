// RegexService on a hot-list page: catalogue pattern 16 over a 2 MB GBK page of 5,000
// matching rows, Create followed by reading both groups of every match. The page is the one
// regex_node_bench.js builds (same rows, same filler), so the two figures compare directly.
#include "services/regex_service.h"

#include "web/encoding.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRows = 5000;

// The UTF-8 page: keep in step with pageOfRows() in regex_node_bench.js.
std::string PageOfRows() {
    std::string page = "<html><head><meta charset=\"utf-8\"><title>今日热榜</title></head><body><table>\n";
    for (int k = 0; k < kRows; ++k) {
        const std::string n = std::to_string(k);
        page += "<tr><td class=\"idx\" data-rank=\"hot\">" + n + "</td><td class=\"al\"><a href=\"/l/" + n +
                "abcdef\" target=\"_blank\" rel=\"nofollow\" itemid=\"" + std::to_string(100000 + k) +
                "\">第" + n + "条：城市早间新闻标题，今日天气晴转多云</a></td><td>热度 " + n +
                "万</td><td class=\"note\">这里是一段说明文字，用来填充页面，模拟真实的热榜页面内容。</td>"
                "<td class=\"src\">来源：城市晨报编辑部，记者张三，责任编辑李四，供稿城市新闻网，转载请注明出处，谢谢合作。</td></tr>\n";
    }
    page += "</table></body></html>\n";
    return page;
}

void BM_CataloguePattern16(benchmark::State& state) {
    const dq::Text page = dq::Utf8ToAnsi(PageOfRows());
    const dq::Text pattern = dq::Utf8ToAnsi(
        "<td class=#引号al#引号><a href=#引号(.*?)#引号 target=#引号_blank#引号 rel=#引号nofollow#引号 "
        "itemid=#引号\\d{1,8}#引号>(.*?)</a></td>");
    std::size_t groupBytes = 0;
    for (auto _ : state) {
        dq::RegexService regex;
        regex.Create(pattern, page, false, true, true, true);
        for (int i = 1; i <= regex.MatchCount(); ++i) {
            groupBytes += regex.GroupText(i, 1).size() + regex.GroupText(i, 2).size();
        }
        if (regex.MatchCount() != kRows) state.SkipWithError("wrong number of matches");
    }
    benchmark::DoNotOptimize(groupBytes);
    state.counters["page_MB"] = static_cast<double>(page.size()) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_CataloguePattern16)->Unit(benchmark::kMillisecond);

}  // namespace
