// A compiled PCRE2 pattern (8-bit library, UTF mode, JIT where the machine allows it) set up
// for the ECMAScript dialect, and the bounded search loop that collects its matches.
#pragma once

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

// The limits that keep one run finite. They count work, not time, so a run gives the same
// matches on a busy machine as on an idle one. A run whose search step exceeds one of them
// ends with the matches found before that step.
struct SearchLimits {
    // Backtracking budget of a start position that needs no special care; most do.
    std::uint32_t cheapStartLimit;
    // Largest backtracking budget of one start position.
    std::uint32_t startLimit;
    // Backtracking work the whole run may spend on the start positions that need more than
    // the cheap budget.
    std::uint64_t runBudget;
    // Deepest nesting of backtracking points the interpreter may reach in one step.
    std::uint32_t depthLimit;
    // Largest JIT stack; a step that needs more is retried by the interpreter.
    std::size_t jitStackMax;
    // Heap the interpreter may use for its backtracking frames, in KiB.
    std::uint32_t heapLimitKiB;
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
    // its limits and the run was cut short. trustedUtf8 skips the
    // UTF-8 check of a subject that the caller made itself.
    bool ForEachMatch(std::string_view utf8Subject, bool global, const MatchSink& sink,
                      bool trustedUtf8 = false) const;

private:
    struct Handles;
    Pcre2Pattern(std::unique_ptr<Handles> handles, const SearchLimits& limits);
    // One pcre2_match from start, trying start positions up to lastStart (PCRE2_UNSET: all).
    int Search(std::string_view subject, std::size_t start, std::size_t lastStart,
               std::uint32_t matchLimit, std::uint32_t options) const;
    int SearchBounded(std::string_view subject, std::size_t start, std::uint64_t& runBudget,
                      std::uint32_t options) const;
    std::unique_ptr<Handles> handles_;
    SearchLimits limits_;
};

}  // namespace dq::services
