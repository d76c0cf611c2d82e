#define PCRE2_CODE_UNIT_WIDTH 8
#include "services/pcre2_pattern.h"

#include "services/ecmascript_syntax.h"

#include <pcre2.h>

#include <algorithm>

namespace dq::services {
namespace {

// Compile options that give the translated pattern the ECMAScript behaviour:
// - `$` without multi-line matches only at the very end, not before a final line break;
// - a back reference to a group that took no part matches the empty string;
// - \uhhhh is a character code (the translation writes every code that way).
constexpr std::uint32_t kDialectOptions = PCRE2_UTF | PCRE2_DOLLAR_ENDONLY |
                                          PCRE2_MATCH_UNSET_BACKREF | PCRE2_ALT_BSUX;

std::size_t Utf8CharLength(std::string_view text, std::size_t at) {
    std::size_t next = at + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    return next - at;
}

bool IsLimit(int rc) {
    return rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT ||
           rc == PCRE2_ERROR_HEAPLIMIT;
}

}  // namespace

SearchLimits DefaultSearchLimits() {
    return SearchLimits{
        .cheapStartLimit = 10'000,
        .startLimit = 20'000'000,
        .runBudget = 400'000'000,
        .depthLimit = 1'000'000,
        .jitStackMax = 16u << 20,
        .heapLimitKiB = 64u << 10,
    };
}

struct Pcre2Pattern::Handles {
    pcre2_code* code = nullptr;
    pcre2_match_context* matchContext = nullptr;
    pcre2_match_data* matchData = nullptr;
    pcre2_jit_stack* jitStack = nullptr;
    pcre2_compile_context* compileContext = nullptr;
    bool jitCompiled = false;

    ~Handles() {
        pcre2_match_data_free(matchData);
        pcre2_match_context_free(matchContext);
        pcre2_jit_stack_free(jitStack);
        pcre2_code_free(code);
        pcre2_compile_context_free(compileContext);
    }
};

Pcre2Pattern::Pcre2Pattern(std::unique_ptr<Handles> handles, const SearchLimits& limits)
    : handles_(std::move(handles)), limits_(limits) {}
Pcre2Pattern::~Pcre2Pattern() = default;

std::unique_ptr<Pcre2Pattern> Pcre2Pattern::Compile(std::string_view utf8Pattern,
                                                    const PatternOptions& options,
                                                    const SearchLimits& limits) {
    auto handles = std::make_unique<Handles>();
    handles->compileContext = pcre2_compile_context_create(nullptr);
    if (!handles->compileContext) return nullptr;
    // A lone CR and a lone LF are both line breaks: `.` matches neither, and with multi-line
    // `^` and `$` match beside either.
    pcre2_set_newline(handles->compileContext, PCRE2_NEWLINE_ANYCRLF);

    // The offset limit lets a search try a single start position (see ForEachMatch).
    std::uint32_t flags = kDialectOptions | PCRE2_USE_OFFSET_LIMIT;
    if (options.ignoreCase) flags |= PCRE2_CASELESS;
    if (options.multiLine) flags |= PCRE2_MULTILINE;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    // ECMAScript's grammar is checked first: PCRE2 would accept its own extensions.
    const std::optional<std::string> pcre2Pattern = ToPcre2Syntax(utf8Pattern, options.multiLine);
    if (!pcre2Pattern) return nullptr;
    handles->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pcre2Pattern->data()),
                                  pcre2Pattern->size(), flags, &error, &errorOffset,
                                  handles->compileContext);
    if (!handles->code) return nullptr;

    handles->jitCompiled = pcre2_jit_compile(handles->code, PCRE2_JIT_COMPLETE) == 0;
    handles->matchContext = pcre2_match_context_create(nullptr);
    handles->matchData = pcre2_match_data_create_from_pattern(handles->code, nullptr);
    if (!handles->matchContext || !handles->matchData) return nullptr;
    pcre2_set_depth_limit(handles->matchContext, limits.depthLimit);
    pcre2_set_heap_limit(handles->matchContext, limits.heapLimitKiB);
    if (handles->jitCompiled) {
        handles->jitStack = pcre2_jit_stack_create(32u << 10, limits.jitStackMax, nullptr);
        if (handles->jitStack)
            pcre2_jit_stack_assign(handles->matchContext, nullptr, handles->jitStack);
    }
    return std::unique_ptr<Pcre2Pattern>(new Pcre2Pattern(std::move(handles), limits));
}

std::size_t Pcre2Pattern::GroupCount() const {
    std::uint32_t count = 0;
    pcre2_pattern_info(handles_->code, PCRE2_INFO_CAPTURECOUNT, &count);
    return count;
}

int Pcre2Pattern::Search(std::string_view subject, std::size_t start, std::size_t lastStart,
                         std::uint32_t matchLimit, std::uint32_t options) const {
    pcre2_set_match_limit(handles_->matchContext, matchLimit);
    pcre2_set_offset_limit(handles_->matchContext, lastStart);
    const auto* bytes = reinterpret_cast<PCRE2_SPTR>(subject.data());
    int rc = pcre2_match(handles_->code, bytes, subject.size(), start, options,
                         handles_->matchData, handles_->matchContext);
    if (rc == PCRE2_ERROR_JIT_STACKLIMIT) {
        rc = pcre2_match(handles_->code, bytes, subject.size(), start, options | PCRE2_NO_JIT,
                         handles_->matchData, handles_->matchContext);
    }
    return rc;
}

// PCRE2 counts its match limit afresh at every start position, so one search that tries many
// positions can do unbounded work. A search therefore runs with the small budget of a cheap
// start; when a start needs more, that start is found and retried alone with growing
// budgets, which the run pays for out of its own budget. The run ends when a single start
// exceeds the largest budget or the run's budget is spent.
int Pcre2Pattern::SearchBounded(std::string_view subject, std::size_t start,
                                std::uint64_t& runBudget, std::uint32_t options) const {
    const std::uint32_t cheap = limits_.cheapStartLimit;
    for (;;) {
        int rc = Search(subject, start, PCRE2_UNSET, cheap, options);
        if (!IsLimit(rc)) return rc;

        // The first costly start: no start before it matches or runs out of the cheap budget.
        std::size_t low = start;
        std::size_t high = subject.size();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (IsLimit(Search(subject, start, middle, cheap, options))) high = middle;
            else low = middle + 1;
        }
        const std::size_t costly = low;

        std::uint64_t limit = cheap;
        while (IsLimit(rc) && limit < limits_.startLimit) {
            limit = std::min<std::uint64_t>({limit * 8, limits_.startLimit, runBudget});
            if (limit <= cheap) return rc;  // the run's budget is spent
            runBudget -= limit;
            rc = Search(subject, costly, costly, static_cast<std::uint32_t>(limit), options);
        }
        if (rc != PCRE2_ERROR_NOMATCH || costly >= subject.size()) return rc;
        // Nothing starts at the costly position: the search goes on after it.
        start = costly + Utf8CharLength(subject, costly);
    }
}

bool Pcre2Pattern::ForEachMatch(std::string_view utf8Subject, bool global, const MatchSink& sink,
                                bool trustedUtf8) const {
    const std::size_t length = utf8Subject.size();
    std::uint64_t runBudget = limits_.runBudget;
    // The subject is checked for valid UTF-8 once; later steps skip the check, which would
    // otherwise rescan the rest of the subject at every step.
    std::uint32_t stepOptions = trustedUtf8 ? PCRE2_NO_UTF_CHECK : 0;
    std::size_t start = 0;
    while (start <= length) {
        const int rc = SearchBounded(utf8Subject, start, runBudget, stepOptions);
        if (rc == PCRE2_ERROR_NOMATCH) return true;
        if (rc < 0) return false;  // a limit, or invalid UTF-8
        stepOptions |= PCRE2_NO_UTF_CHECK;

        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(handles_->matchData);
        const std::size_t pairs = pcre2_get_ovector_count(handles_->matchData);
        sink(ovector, pairs);
        if (!global) return true;

        const std::size_t matchStart = ovector[0];
        const std::size_t matchEnd = ovector[1];
        if (matchEnd > matchStart && matchEnd > start) {
            start = matchEnd;
        } else {
            // An empty match (or one that \K moved back): step one character past it.
            const std::size_t from = std::max(matchEnd, start);
            if (from >= length) return true;
            start = from + Utf8CharLength(utf8Subject, from);
        }
    }
    return true;
}

}  // namespace dq::services
