// A compiled PCRE2 pattern (8-bit library, UTF mode, JIT where the machine allows it) set up
// for the ECMAScript dialect, and the bounded search loop that collects its matches.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace dq::services {

struct PatternOptions {
    bool ignoreCase = false;
    bool multiLine = false;
};

// The limits that keep one run finite. A run that exceeds one of them ends with the matches
// found before it.
struct SearchLimits {
    // Backtracking budget of one match attempt (one start position).
    std::uint32_t matchLimit;
    // Largest JIT stack; a step that needs more is retried by the interpreter.
    std::size_t jitStackMax;
    // Heap the interpreter may use for its backtracking frames, in KiB.
    std::uint32_t heapLimitKiB;
    // Time after which the run stops, checked as match attempts begin: many attempts that
    // each stay within their budget can still add up to a freeze.
    std::chrono::milliseconds runTime;
};

// The limits every run uses.
SearchLimits DefaultSearchLimits();

class Pcre2Pattern {
public:
    // Byte offsets of one match in the subject, group by group (group 0 = the whole match);
    // begin == kUnset for a group that took no part.
    static constexpr std::size_t kUnset = static_cast<std::size_t>(-1);
    using MatchSink = std::function<void(const std::size_t* offsets, std::size_t pairs)>;

    // Compiles a UTF-8 ECMAScript pattern; nullptr when it is not a valid expression.
    static std::unique_ptr<Pcre2Pattern> Compile(std::string_view utf8Pattern,
                                                 const PatternOptions& options,
                                                 const SearchLimits& limits = DefaultSearchLimits());
    ~Pcre2Pattern();
    Pcre2Pattern(const Pcre2Pattern&) = delete;
    Pcre2Pattern& operator=(const Pcre2Pattern&) = delete;

    // Number of capturing groups.
    std::size_t GroupCount() const;

    // Searches a UTF-8 subject from the left: every non-overlapping match when global (after
    // an empty match the next search starts one character further), else the first. Each
    // match is handed to sink in subject order. Returns false when a search step ran out of
    // its limits or the run out of its time, and the run was cut short. trustedUtf8 skips the
    // UTF-8 check of a subject that the caller made itself.
    bool ForEachMatch(std::string_view utf8Subject, bool global, const MatchSink& sink,
                      bool trustedUtf8 = false) const;

private:
    struct Handles;
    Pcre2Pattern(std::unique_ptr<Handles> handles, std::chrono::milliseconds runTime);
    std::unique_ptr<Handles> handles_;
    std::chrono::milliseconds runTime_;
};

}  // namespace dq::services
