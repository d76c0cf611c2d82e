#include "health/source_check.h"

#include <algorithm>
#include <thread>

#include "content/news_extraction.h"
#include "services/regex_service.h"
#include "web/encoding.h"
#include "web/fetch.h"
#include "web/gbk_literal.h"

namespace dq {
namespace {

using namespace dq::literals;

// The captions of the news tab pages, without their padding blanks.
const Text& PageCaption(int page) {
    static const Text captions[] = {"频道新闻"_gbk, "网站热搜"_gbk, "本地新闻"_gbk, "自定义信息源"_gbk};
    return captions[std::clamp(page, 0, kCustomSourcePage)];
}

// The caption of a source's radio button: its control name after "单选框_".
Text RadioCaption(std::string_view control) {
    const std::size_t underscore = control.find('_');
    return Utf8ToAnsi(underscore == std::string_view::npos ? control : control.substr(underscore + 1));
}

std::string HostOf(std::string_view address) {
    std::size_t start = address.find("://");
    start = start == std::string_view::npos ? 0 : start + 3;
    const std::size_t end = address.find_first_of("/:?#", start);
    return std::string(address.substr(start, end == std::string_view::npos ? end : end - start));
}

// The status code of the status line that opens a response header block; 0 without one.
int StatusOf(const Text& rawHeaders) {
    if (!rawHeaders.starts_with("HTTP/")) return 0;
    const std::size_t space = rawHeaders.find(' ');
    if (space == Text::npos) return 0;
    return std::atoi(rawHeaders.c_str() + space + 1);
}

}  // namespace

std::vector<SourceToCheck> SourcesToCheck(const WorkbenchState& state, bool customIsUtf8) {
    std::vector<SourceToCheck> sources;
    for (const NewsSource& source : NewsCatalogue()) {
        sources.push_back({PageCaption(source.tabPage), RadioCaption(source.control),
                           {NewsPageAddress(source), NewsPattern(source.pattern), source.fromUtf8,
                            source.groups},
                           true});
    }
    if (!state.sourceUrl.empty()) {
        sources.push_back({PageCaption(kCustomSourcePage), state.sourceName,
                           {state.sourceUrl, state.sourcePattern, customIsUtf8, NewsGroups{}},
                           false});
    }
    return sources;
}

SourceCheck CheckSource(const SourceToCheck& source) {
    const auto start = std::chrono::steady_clock::now();
    SourceCheck check;
    check.host = HostOf(source.request.address);

    FetchReport report;
    FetchOptions options;
    options.report = &report;
    const Bytes body = WebFetchBytes(source.request.address, options);
    check.status = StatusOf(report.rawHeaders);
    check.bytes = body.size();

    Text page = TextFromBytes(body);
    if (source.request.fromUtf8) page = Utf8ToAnsi(page);
    RegexService regex;
    if (regex.Create(source.request.pattern, page, false, true, true, true)) {
        check.matches = regex.MatchCount();
        if (check.matches > 0 && source.request.groups.title > 0)
            check.firstHeadline = StripDotSegments(regex.GroupText(1, source.request.groups.title));
    } else {
        check.matches = -1;
    }
    check.time = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    return check;
}

void CheckSources(const std::vector<SourceToCheck>& sources,
                  const std::function<void(std::size_t, const SourceCheck&)>& onResult,
                  int parallel, const std::atomic<bool>* stop) {
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t index = next++; index < sources.size(); index = next++) {
            if (stop != nullptr && stop->load()) return;
            onResult(index, CheckSource(sources[index]));
        }
    };
    const std::size_t threads =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(parallel, 1)), sources.size());
    std::vector<std::jthread> workers;
    for (std::size_t i = 0; i < threads; ++i) workers.emplace_back(work);
}

}  // namespace dq
