#include "content/news_extraction.h"

#include <algorithm>
#include <string>

#include "services/regex_service.h"
#include "shortlink/short_link.h"
#include "web/text_utils.h"
#include "workbench/control_names.h"
#include "workbench/message_texts.h"

namespace dq {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// The count comes from the preset file, where a hand-edited value may be anything; two
// billion lines would hang the window. The combo box offers at most 12.
constexpr int kMaxHeadlines = 100;

}  // namespace

Text StripDotSegments(const Text& title) {
    Text result = title;
    const std::size_t dots = text::Count(result, ".");
    for (std::size_t i = 0; i < dots; ++i) {
        const Text stretch = "." + TextBetween(result, ".", ".") + ".";
        const std::size_t at = text::Find(result, stretch);
        if (at != 0) result.erase(at - 1, stretch.size());
    }
    return result;
}

Text TidyLink(const Text& link) {
    Text tidied = link;
    if (tidied.starts_with(kCrLf)) tidied.erase(0, kCrLf.size());
    if (tidied.ends_with(kCrLf)) tidied.erase(tidied.size() - kCrLf.size());
    RegexService regex;
    regex.Create("(?:^\\r|\\n$)", tidied);
    return regex.ReplaceMatches(Text{});
}

Text NewsLinkBase(const Form& form) {
    const int page = form.currentIndex(controls::kNewsTabs);
    if (page == 2 && form.checked(controls::kLocalDeyang)) return DeyangLinkBase();
    if (page == kCustomSourcePage) return form.text(controls::kLinkBase);
    return {};
}

NewsHeadlines FindNewsHeadlines(const Form& form, const Text& pattern, const Text& page,
                                int count, NewsGroups groups, const EventPump& pump) {
    return FindNewsHeadlines(form, pattern, services::GbkSubject(page), count, groups, pump);
}

NewsHeadlines FindNewsHeadlines(const Form& form, const Text& pattern, services::GbkSubject page,
                                int count, NewsGroups groups, const EventPump& pump) {
    NewsHeadlines found;
    RegexService regex;
    found.compiled = regex.Create(pattern, std::move(page), false, true, true, true);
    found.matchCount = regex.MatchCount();
    if (!found.compiled || found.matchCount == 0) return found;
    const bool linksOn = form.checked(controls::kLinksOn);
    const bool shortLinksOn = form.checked(controls::kShortLinksOn);
    const Text base = linksOn ? NewsLinkBase(form) : Text{};
    ShortLinkRun shortLinks(pump);  // one per extraction
    // Every one of the count lines is made, also those beyond the last match: they read empty
    // groups and so carry only their number (and the bare base as link).
    count = std::min(count, kMaxHeadlines);
    for (int k = 1; k <= count; ++k) {
        Text item = std::to_string(k) + "." + StripDotSegments(regex.GroupText(k, groups.title));
        item += kCrLf;
        if (linksOn) {
            const Text captured = groups.link > 0 ? regex.GroupText(k, groups.link) : Text{};
            Text link = TidyLink(base + captured);
            if (shortLinksOn) link = ShortenLink(form, link, shortLinks);
            item += link;
            item += kCrLf;
        }
        found.lines.push_back(std::move(item));
    }
    return found;
}

void ExtractNews(Form& form, const WorkbenchState& state, Messages& messages, const Text& pattern,
                 const Text& page, NewsGroups groups, const EventPump& pump) {
    ExtractNews(form, state, messages, pattern, services::GbkSubject(page), groups, pump);
}

void ExtractNews(Form& form, const WorkbenchState& state, Messages& messages, const Text& pattern,
                 services::GbkSubject page, NewsGroups groups, const EventPump& pump) {
    const NewsHeadlines found =
        FindNewsHeadlines(form, pattern, std::move(page), state.newsCount, groups, pump);
    if (!found.compiled) {
        messages.show(messages::PatternFailed(), MessageIcon::Error);
        return;
    }
    if (found.matchCount == 0) {
        messages.show(messages::NothingMatched(), MessageIcon::Error);
        return;
    }
    for (const Text& item : found.lines) form.appendText(controls::kNewsBox, item);
}

}  // namespace dq
