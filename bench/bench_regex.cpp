// RegexService on a hot-list page: catalogue pattern 16 over a 2 MB GBK page of 5,000
// matching rows, Create followed by reading both groups of every match; the decoding of the
// page and the matching also on their own. The page is the one regex_node_bench.js builds
// (same rows, same filler), so the figures compare directly with its decoding and matching.
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

const dq::Text& Pattern16() {
    static const dq::Text pattern = dq::Utf8ToAnsi(
        "<td class=#引号al#引号><a href=#引号(.*?)#引号 target=#引号_blank#引号 rel=#引号nofollow#引号 "
        "itemid=#引号\\d{1,8}#引号>(.*?)</a></td>");
    return pattern;
}

const dq::Text& GbkPage() {
    static const dq::Text page = dq::Utf8ToAnsi(PageOfRows());
    return page;
}

// Reads both groups of every match, as the news extraction does.
std::size_t ReadGroups(benchmark::State& state, const dq::RegexService& regex) {
    std::size_t groupBytes = 0;
    for (int i = 1; i <= regex.MatchCount(); ++i) {
        groupBytes += regex.GroupText(i, 1).size() + regex.GroupText(i, 2).size();
    }
    if (regex.MatchCount() != kRows) state.SkipWithError("wrong number of matches");
    return groupBytes;
}

void SetPageCounters(benchmark::State& state, std::size_t pageBytes) {
    state.counters["page_MB"] = static_cast<double>(pageBytes) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * pageBytes));
}

// The whole run from the GBK bytes: decoding, matching, reading the groups.
void BM_CataloguePattern16(benchmark::State& state) {
    const dq::Text& page = GbkPage();
    std::size_t groupBytes = 0;
    for (auto _ : state) {
        dq::RegexService regex;
        regex.Create(Pattern16(), page, false, true, true, true);
        groupBytes += ReadGroups(state, regex);
    }
    benchmark::DoNotOptimize(groupBytes);
    SetPageCounters(state, page.size());
}
BENCHMARK(BM_CataloguePattern16)->Unit(benchmark::kMillisecond);

// Decoding alone: the GBK page to the UTF-8 matched on, with its offset map.
void BM_Pattern16DecodingAlone(benchmark::State& state) {
    const dq::Text& page = GbkPage();
    for (auto _ : state) {
        const dq::services::GbkSubject subject(page);
        benchmark::DoNotOptimize(subject.Utf8().data());
    }
    SetPageCounters(state, page.size());
}
BENCHMARK(BM_Pattern16DecodingAlone)->Unit(benchmark::kMillisecond);

// Matching alone, on a page decoded beforehand (its copy is made outside the timing): the
// counterpart of V8's RegExp over a string it already holds.
void BM_Pattern16MatchingAlone(benchmark::State& state) {
    const dq::services::GbkSubject decoded(GbkPage());
    std::size_t groupBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        dq::services::GbkSubject subject = decoded;
        state.ResumeTiming();
        dq::RegexService regex;
        regex.Create(Pattern16(), std::move(subject), false, true, true, true);
        groupBytes += ReadGroups(state, regex);
    }
    benchmark::DoNotOptimize(groupBytes);
    SetPageCounters(state, GbkPage().size());
}
BENCHMARK(BM_Pattern16MatchingAlone)->Unit(benchmark::kMillisecond);

// The page as it arrives in UTF-8: conversion to GBK, matching, reading the groups.
void BM_Pattern16FromUtf8Page(benchmark::State& state) {
    const std::string utf8 = PageOfRows();
    std::size_t groupBytes = 0;
    for (auto _ : state) {
        dq::RegexService regex;
        regex.Create(Pattern16(), dq::services::GbkSubject::FromUtf8(utf8), false, true, true, true);
        groupBytes += ReadGroups(state, regex);
    }
    benchmark::DoNotOptimize(groupBytes);
    SetPageCounters(state, utf8.size());
}
BENCHMARK(BM_Pattern16FromUtf8Page)->Unit(benchmark::kMillisecond);

}  // namespace
