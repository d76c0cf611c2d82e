#include "sources/pattern_trial.h"

#include <algorithm>
#include <string>

#include "content/news_catalogue.h"
#include "content/news_extraction.h"
#include "web/encoding.h"
#include "web/fetch.h"
#include "web/gbk_literal.h"
#include "workbench/control_names.h"
#include "workbench/message_texts.h"
#include "workbench/plain_form.h"

namespace dq {
namespace {

using namespace dq::literals;

constexpr int kShownHeadlines = 3;

template <typename Duration>
Duration AtMost(Duration inForce, Duration bound) {
    return inForce.count() > 0 ? std::min(inForce, bound) : bound;
}

// The controls ExtractNews consults, set as the custom-source page has them; short links stay
// off, so a trial never calls a short-link service.
PlainForm TrialForm(const PatternTrialSettings& settings) {
    PlainForm form;
    form.setCurrentIndex(controls::kNewsTabs, kCustomSourcePage);
    form.setText(controls::kLinkBase, settings.linkBase);
    form.setChecked(controls::kLinksOn, settings.linksOn);
    form.setChecked(controls::kShortLinksOn, false);
    return form;
}

}  // namespace

web::FetchLimits PatternTrialLimits(const web::FetchLimits& inForce) {
    web::FetchLimits limits = inForce;
    limits.connectTimeout =
        AtMost(inForce.connectTimeout, std::chrono::milliseconds(kPatternTrialTimeLimit));
    limits.stallTimeout = AtMost(inForce.stallTimeout, kPatternTrialTimeLimit);
    limits.totalTimeout =
        AtMost(inForce.totalTimeout, std::chrono::milliseconds(kPatternTrialTimeLimit));
    return limits;
}

Text TryPattern(const Text& address, const Text& pattern, const PatternTrialSettings& settings) {
    FetchOptions options;
    options.limits = PatternTrialLimits(web::CurrentFetchLimits());
    options.whileWaiting = settings.whileWaiting;
    Text page = TextFromBytes(WebFetchBytes(address, options));
    if (page.empty()) return "没有取到网页：地址打不开、15 秒内没有取完，或网页是空的。"_gbk;
    if (settings.fromUtf8) page = Utf8ToAnsi(page);

    const NewsHeadlines found =
        FindNewsHeadlines(TrialForm(settings), pattern, page, kShownHeadlines);
    if (!found.compiled) return messages::PatternFailed();
    if (found.matchCount == 0) return messages::NothingMatched();
    Text outcome = "匹配数量："_gbk + std::to_string(found.matchCount) + "\r\n";
    const auto shown = std::min<std::size_t>(found.lines.size(), found.matchCount);
    for (std::size_t i = 0; i < shown; ++i) outcome += found.lines[i];
    return outcome;
}

}  // namespace dq
