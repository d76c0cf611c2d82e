// A trial run of a custom source before it is stored: its page is fetched and its pattern run
// over it exactly as the news preview will, and the outcome is put into words for the window
// that asked. Nothing is stored and nothing is written anywhere else.
#pragma once

#include <functional>

#include "web/fetch_limits.h"
#include "web/text.h"

namespace dq {

struct PatternTrialSettings {
    bool fromUtf8 = false;  // the custom page's UTF-8 choice
    bool linksOn = false;   // links after the headlines, as the main window's link box says
    Text linkBase;          // put in front of every link (the main window's 编辑框_拼接网址)
    std::function<void()> whileWaiting;  // called while the page is fetched (an event pump)
};

// A trial never waits longer than this for its page.
inline constexpr std::chrono::seconds kPatternTrialTimeLimit{15};

// The limits a trial fetches under: those in force, each time bound at most the trial's own.
web::FetchLimits PatternTrialLimits(const web::FetchLimits& inForce);

// The outcome as the window shows it (GBK, CR LF lines): the number of matches and the first
// three headline items as ExtractNews writes them; or why there are none (no page, a pattern
// that does not compile, nothing found).
Text TryPattern(const Text& address, const Text& pattern, const PatternTrialSettings& settings);

}  // namespace dq
