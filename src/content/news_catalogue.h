// The catalogue of built-in news sources: for every radio button of the news tab pages, the
// page it stands for, the pattern that finds its headlines and whether the page is UTF-8; and
// the choice of the one source that a news preview reads.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "web/text.h"
#include "workbench/control_names.h"
#include "workbench/form.h"
#include "workbench/workbench_state.h"

namespace dq {

// Which groups of a pattern's match hold the link and the title (0: the pattern has none).
struct NewsGroups {
    int link = 1;
    int title = 2;
};

struct NewsSource {
    int tabPage;               // page of 高级选择夹_新闻 whose radio button selects the entry
    std::string_view control;  // objectName of that radio button
    std::string_view scheme;   // "http" or "https"
    std::string_view host;
    std::string_view path;     // empty for the bare host
    int pattern;               // number of the extraction pattern, see NewsPattern
    bool fromUtf8;             // the page arrives in UTF-8 and is converted to GBK
    NewsGroups groups;
};

// What one news preview fetches and how it reads the page.
struct NewsRequest {
    Text address;
    Text pattern;
    bool fromUtf8 = false;
    NewsGroups groups;
};

// The tab control of the news sources and its custom-source page.
inline constexpr int kCustomSourcePage = 3;

// The 39 built-in entries; within a page in the order their radio buttons are tested.
std::span<const NewsSource> NewsCatalogue();

// Extraction pattern number 1 to 16 as stored, with "#引号" for each double quote; empty Text
// for any other number.
Text NewsPattern(int number);

// Scheme, host and path of the entry's page.
Text NewsPageAddress(const NewsSource& source);

// Scheme and host of the Deyang news site, no path and no trailing slash: put in front of the
// links found on its page, which are relative.
Text DeyangLinkBase();

// The source of the current news tab page: the first checked radio button of pages 0 to 2 in
// catalogue order, or on page 3 the chosen custom source (converted when 单选框_utf8 is
// checked). Nothing when the current page has no radio button checked.
std::optional<NewsRequest> ChosenNewsSource(const Form& form, const WorkbenchState& state);

}  // namespace dq
