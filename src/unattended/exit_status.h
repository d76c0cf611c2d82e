// The exit statuses of the runs without a window.
#pragma once

namespace dq::exit_status {

inline constexpr int kDone = 0;             // the briefing was written; every source matches
inline constexpr int kSourceBroken = 1;     // --check-sources: a built-in source matches nothing
inline constexpr int kNothingToBuild = 2;   // the presets lack a city or a chosen news source
inline constexpr int kNotWritten = 3;       // the briefing could not be written
inline constexpr int kNewsFailed = 4;       // the news extraction found nothing or had no pattern
inline constexpr int kNotPosted = 5;        // --post: a group robot refused or could not be reached
inline constexpr int kUsage = 64;           // the command line was not understood

}  // namespace dq::exit_status
