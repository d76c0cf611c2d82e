#define PCRE2_CODE_UNIT_WIDTH 8
#include "services/pcre2_pattern.h"

#include "services/ecmascript_syntax.h"

#include <pcre2.h>

#include <algorithm>

namespace dq::services {
namespace {

// Compile options that give PCRE2 the ECMAScript behaviour the patterns rely on:
// - `$` without multi-line matches only at the very end, not before a final line break;
// - `[]` is a class that matches nothing (and `[^]` one that matches anything);
// - a back reference to a group that took no part matches the empty string;
// - \uhhhh and \xhh are character codes, a \x or \u without its digits is the letter itself.
constexpr std::uint32_t kDialectOptions = PCRE2_UTF | PCRE2_DOLLAR_ENDONLY |
                                          PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF |
                                          PCRE2_ALT_BSUX;

// Every match attempt passes through a callout placed after the pattern's plain leading
// characters; it ends the step once the run's time is up. The clock is read at every 16th
// attempt.
struct RunClock {
    std::chrono::steady_clock::time_point deadline;
    unsigned calls = 0;
};

int CheckRunClock(pcre2_callout_block*, void* data) {
    auto* clock = static_cast<RunClock*>(data);
    if ((++clock->calls & 0xF) != 0) return 0;
    return std::chrono::steady_clock::now() > clock->deadline ? PCRE2_ERROR_CALLOUT : 0;
}

std::size_t Utf8CharLength(std::string_view text, std::size_t at) {
    std::size_t next = at + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
    return next - at;
}

}  // namespace

SearchLimits DefaultSearchLimits() {
    return SearchLimits{
        .matchLimit = 50'000'000,
        .jitStackMax = 16u << 20,
        .heapLimitKiB = 64u << 10,
        .runTime = std::chrono::milliseconds(2000),
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

Pcre2Pattern::Pcre2Pattern(std::unique_ptr<Handles> handles, std::chrono::milliseconds runTime)
    : handles_(std::move(handles)), runTime_(runTime) {}
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

    std::uint32_t flags = kDialectOptions;
    if (options.ignoreCase) flags |= PCRE2_CASELESS;
    if (options.multiLine) flags |= PCRE2_MULTILINE;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    // The run's clock is consulted where a match attempt gets past the pattern's plain
    // leading characters: attempts that fail on those are cheap, and skipping them keeps the
    // callout off the common path.
    const std::size_t prefix = LiteralPrefixLength(utf8Pattern);
    const std::string pcre2Pattern = ToPcre2Syntax(utf8Pattern.substr(0, prefix), options.multiLine) +
                                     "(?C1)(?:" + ToPcre2Syntax(utf8Pattern.substr(prefix), options.multiLine) + ")";
    handles->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pcre2Pattern.data()),
                                  pcre2Pattern.size(), flags, &error, &errorOffset,
                                  handles->compileContext);
    if (!handles->code) return nullptr;

    handles->jitCompiled = pcre2_jit_compile(handles->code, PCRE2_JIT_COMPLETE) == 0;
    handles->matchContext = pcre2_match_context_create(nullptr);
    handles->matchData = pcre2_match_data_create_from_pattern(handles->code, nullptr);
    if (!handles->matchContext || !handles->matchData) return nullptr;
    pcre2_set_match_limit(handles->matchContext, limits.matchLimit);
    pcre2_set_heap_limit(handles->matchContext, limits.heapLimitKiB);
    if (handles->jitCompiled) {
        handles->jitStack = pcre2_jit_stack_create(32u << 10, limits.jitStackMax, nullptr);
        if (handles->jitStack)
            pcre2_jit_stack_assign(handles->matchContext, nullptr, handles->jitStack);
    }
    return std::unique_ptr<Pcre2Pattern>(new Pcre2Pattern(std::move(handles), limits.runTime));
}

std::size_t Pcre2Pattern::GroupCount() const {
    std::uint32_t count = 0;
    pcre2_pattern_info(handles_->code, PCRE2_INFO_CAPTURECOUNT, &count);
    return count;
}

bool Pcre2Pattern::ForEachMatch(std::string_view utf8Subject, bool global, const MatchSink& sink,
                                bool trustedUtf8) const {
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(utf8Subject.data());
    const std::size_t length = utf8Subject.size();
    // The subject is checked for valid UTF-8 once; later steps skip the check, which would
    // otherwise rescan the rest of the subject at every step.
    std::uint32_t stepOptions = trustedUtf8 ? PCRE2_NO_UTF_CHECK : 0;
    std::size_t start = 0;
    RunClock clock{.deadline = std::chrono::steady_clock::now() + runTime_};
    pcre2_set_callout(handles_->matchContext, CheckRunClock, &clock);
    while (start <= length) {
        int rc = pcre2_match(handles_->code, subject, length, start, stepOptions,
                             handles_->matchData, handles_->matchContext);
        if (rc == PCRE2_ERROR_JIT_STACKLIMIT) {
            rc = pcre2_match(handles_->code, subject, length, start, stepOptions | PCRE2_NO_JIT,
                             handles_->matchData, handles_->matchContext);
        }
        if (rc == PCRE2_ERROR_NOMATCH) return true;
        if (rc < 0) return false;  // a limit, the run's time, or invalid UTF-8
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
