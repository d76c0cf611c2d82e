#include "content/news_extraction.h"

#include <string>

#include "services/regex_service.h"
#include "shortlink/short_link.h"
#include "web/text_utils.h"

namespace dq {
namespace {

constexpr std::string_view kNewsBox = "编辑框_新闻";
constexpr std::string_view kCrLf = "\r\n";

// 正则创建失败，请检查正则表达式语句是否有误！
constexpr std::string_view kPatternFailed =
    "\xD5\xFD\xD4\xF2\xB4\xB4\xBD\xA8\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xBC\xEC\xB2\xE9\xD5\xFD"
    "\xD4\xF2\xB1\xED\xB4\xEF\xCA\xBD\xD3\xEF\xBE\xE4\xCA\xC7\xB7\xF1\xD3\xD0\xCE\xF3\xA3\xA1";
// 匹配失败，请检检查正则语句是否有误，数量：0
constexpr std::string_view kNothingMatched =
    "\xC6\xA5\xC5\xE4\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xBC\xEC\xBC\xEC\xB2\xE9\xD5\xFD\xD4\xF2"
    "\xD3\xEF\xBE\xE4\xCA\xC7\xB7\xF1\xD3\xD0\xCE\xF3\xA3\xAC\xCA\xFD\xC1\xBF\xA3\xBA"
    "0";

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
    const int page = form.currentIndex(kNewsTabs);
    if (page == 2 && form.checked("单选框_德阳")) return DeyangLinkBase();
    if (page == kCustomSourcePage) return form.text("编辑框_拼接网址");
    return {};
}

void ExtractNews(Form& form, const WorkbenchState& state, Messages& messages, const Text& pattern,
                 const Text& page, NewsGroups groups) {
    RegexService regex;
    if (!regex.Create(pattern, page, false, true, true, true)) {
        messages.show(Text(kPatternFailed), MessageIcon::Error);
        return;
    }
    if (regex.MatchCount() == 0) {
        messages.show(Text(kNothingMatched), MessageIcon::Error);
        return;
    }
    const bool linksOn = form.checked("选择框_开启网址");
    const bool shortLinksOn = form.checked("选择框_开启短链");
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
        form.appendText(kNewsBox, item);
    }
}

}  // namespace dq
