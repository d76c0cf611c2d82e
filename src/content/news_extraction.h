// The extraction of headlines from a fetched news page into 编辑框_新闻: a numbered line per
// headline, each followed by its tidied (and possibly shortened) link when links are on.
#pragma once

#include <vector>

#include "content/news_catalogue.h"
#include "services/gbk_subject.h"
#include "web/text.h"
#include "workbench/event_pump.h"
#include "workbench/form.h"
#include "workbench/messages.h"
#include "workbench/workbench_state.h"

namespace dq {

// Matches pattern ("#引号" standing for a double quote) over page (GBK) and appends
// state.newsCount headline lines to 编辑框_新闻, reading link and title from the given groups.
// A pattern that does not compile or finds nothing is reported with the error icon. With short
// links on, every link goes through the selected interface (pump runs meanwhile).
void ExtractNews(Form& form, const WorkbenchState& state, Messages& messages, const Text& pattern,
                 const Text& page, NewsGroups groups = {}, const EventPump& pump = {});
// The same over a page decoded beforehand (see GbkSubject::FromUtf8).
void ExtractNews(Form& form, const WorkbenchState& state, Messages& messages, const Text& pattern,
                 services::GbkSubject page, NewsGroups groups = {}, const EventPump& pump = {});

// What a pattern finds on a page, before anything is written.
struct NewsHeadlines {
    bool compiled = false;  // false: the pattern is no valid expression
    int matchCount = 0;
    std::vector<Text> lines;  // the first count headline items, each as ExtractNews writes it
};

// Runs pattern as ExtractNews does and makes the first count items (none when the pattern does
// not compile or finds nothing), with links as the form's link boxes and link base ask.
NewsHeadlines FindNewsHeadlines(const Form& form, const Text& pattern, const Text& page,
                                int count, NewsGroups groups = {}, const EventPump& pump = {});
NewsHeadlines FindNewsHeadlines(const Form& form, const Text& pattern, services::GbkSubject page,
                                int count, NewsGroups groups = {}, const EventPump& pump = {});

// Removes every stretch from one "." to the next, both dots included, working from the left.
Text StripDotSegments(const Text& title);

// Drops a leading and a trailing CR LF, then every CR that starts the text or follows a line
// break and every LF that ends the text or precedes a line break.
Text TidyLink(const Text& link);

// The text put in front of every link: the Deyang site's base on the local-news page with
// 单选框_德阳 checked, the text of 编辑框_拼接网址 on the custom-source page, else empty.
Text NewsLinkBase(const Form& form);

}  // namespace dq
