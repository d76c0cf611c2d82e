#include "content/news_extraction.h"

#include <string>

#include "services/regex_service.h"
#include "shortlink/short_link.h"
#include "web/text_utils.h"
#include "workbench/control_names.h"
#include "workbench/message_texts.h"

namespace dq {
namespace {

constexpr std::string_view kCrLf = "\r\n";

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

void ExtractNews(Form& form, const WorkbenchState& state, Messages& messages, const Text& pattern,
                 const Text& page, NewsGroups groups) {
    RegexService regex;
    if (!regex.Create(pattern, page, false, true, true, true)) {
        messages.show(messages::PatternFailed(), MessageIcon::Error);
        return;
    }
    if (regex.MatchCount() == 0) {
        messages.show(messages::NothingMatched(), MessageIcon::Error);
        return;
    }
    const bool linksOn = form.checked(controls::kLinksOn);
    const bool shortLinksOn = form.checked(controls::kShortLinksOn);
    const Text base = linksOn ? NewsLinkBase(form) : Text{};
    // Every one of the N lines is written, also those beyond the last match: they read empty
    // groups and so carry only their number (and the bare base as link).
    for (int k = 1; k <= state.newsCount; ++k) {
        Text item = std::to_string(k) + "." + StripDotSegments(regex.GroupText(k, groups.title));
        item += kCrLf;
        if (linksOn) {
            const Text captured = groups.link > 0 ? regex.GroupText(k, groups.link) : Text{};
            Text link = TidyLink(base + captured);
            if (shortLinksOn) link = ShortenLink(link);
            item += link;
            item += kCrLf;
        }
        form.appendText(controls::kNewsBox, item);
    }
}

}  // namespace dq
