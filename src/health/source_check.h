// The health check of the news sources: every built-in source and the chosen custom source
// fetched the way the news preview fetches it and matched with its pattern, so that a source
// whose site changed its pages shows up before the morning briefing does.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "content/news_catalogue.h"
#include "web/text.h"
#include "workbench/workbench_state.h"

namespace dq {

// One source to try.
struct SourceToCheck {
    Text page;          // the caption of its news tab page, trimmed (GBK)
    Text name;          // the source's name: its radio button's caption, or the custom source's
    NewsRequest request;
    bool builtIn = true;
};

// What one try found.
struct SourceCheck {
    std::string host;                   // of the page address
    int status = 0;                     // HTTP status of the final answer; 0 without an answer
    std::size_t bytes = 0;              // body bytes as fetched
    std::chrono::milliseconds time{0};  // fetch and match
    int matches = 0;                    // -1: the pattern does not compile
    Text firstHeadline;                 // title of the first match, cleaned as in the briefing

    bool matchesNothing() const { return matches <= 0; }
};

// The 39 built-in sources in catalogue order, then the chosen custom source when one is set
// (read as UTF-8 when customIsUtf8).
std::vector<SourceToCheck> SourcesToCheck(const WorkbenchState& state, bool customIsUtf8);

// Fetches and matches one source on the calling thread.
SourceCheck CheckSource(const SourceToCheck& source);

// Checks every source, up to `parallel` at a time on threads of its own, and hands each result
// to onResult (with its index in sources) on the thread that checked it, as it comes. Returns
// once every source has been checked, or, once *stop is set, when the checks under way end
// (no new one starts). The sources are only read.
void CheckSources(const std::vector<SourceToCheck>& sources,
                  const std::function<void(std::size_t, const SourceCheck&)>& onResult,
                  int parallel = 8, const std::atomic<bool>* stop = nullptr);

}  // namespace dq
