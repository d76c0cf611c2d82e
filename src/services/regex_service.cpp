#include "services/regex_service.h"

#include "services/pcre2_pattern.h"
#include "web/encoding.h"
#include "web/text_utils.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace dq {
namespace {

constexpr std::string_view kDoubleQuote = "\"";
constexpr std::size_t kUnset = services::Pcre2Pattern::kUnset;

// The patterns compiled lately on this thread, so that a fixed pattern (a link's tidying, a
// source's headline pattern run once per preview) is compiled once, not at every Create. A
// compiled pattern keeps its own match state, so each thread has its own. A pattern that does
// not compile is remembered as such too.
class PatternCache {
public:
    std::shared_ptr<const services::Pcre2Pattern> Get(const Text& gbkPattern,
                                                      const services::PatternOptions& options) {
        for (const Entry& entry : entries_) {
            if (entry.ignoreCase == options.ignoreCase && entry.multiLine == options.multiLine &&
                entry.pattern == gbkPattern)
                return entry.compiled;
        }
        if (entries_.size() >= kEntries) entries_.erase(entries_.begin());
        entries_.push_back({gbkPattern, options.ignoreCase, options.multiLine,
                            services::Pcre2Pattern::Compile(AnsiToUtf8(gbkPattern), options)});
        return entries_.back().compiled;
    }

private:
    static constexpr std::size_t kEntries = 16;
    struct Entry {
        Text pattern;
        bool ignoreCase;
        bool multiLine;
        std::shared_ptr<const services::Pcre2Pattern> compiled;
    };
    std::vector<Entry> entries_;
};

PatternCache& CompiledPatterns() {
    thread_local PatternCache cache;
    return cache;
}

}  // namespace

RegexService::RegexService() = default;
RegexService::~RegexService() = default;

bool RegexService::Create(const Text& pattern, const Text& subject, bool caseSensitive,
                          bool multiLine, bool global, bool replacePlaceholder) {
    return Create(pattern, services::GbkSubject(subject), caseSensitive, multiLine, global,
                  replacePlaceholder);
}

bool RegexService::Create(const Text& pattern, services::GbkSubject subject, bool caseSensitive,
                          bool multiLine, bool global, bool replacePlaceholder) {
    spans_.clear();
    slots_ = 0;
    compiled_ = false;
    pattern_ = replacePlaceholder ? text::ReplaceAll(pattern, QuotePlaceholder(), kDoubleQuote)
                                  : TextFromBytes(pattern);
    subject_ = std::move(subject);

    const std::shared_ptr<const services::Pcre2Pattern> compiled = CompiledPatterns().Get(
        pattern_, services::PatternOptions{.ignoreCase = !caseSensitive, .multiLine = multiLine});
    if (!compiled) return false;
    compiled_ = true;

    slots_ = compiled->GroupCount() + 1;
    compiled->ForEachMatch(subject_.Utf8(), global,
                           [this](const std::size_t* offsets, std::size_t pairs) {
        for (std::size_t slot = 0; slot < slots_; ++slot) {
            const bool set = slot < pairs && offsets[2 * slot] != kUnset;
            spans_.push_back(set ? Span{offsets[2 * slot], offsets[2 * slot + 1]} : Span{kUnset, 0});
        }
    }, /*trustedUtf8=*/true);
    return true;
}

int RegexService::MatchCount() const {
    return slots_ == 0 ? 0 : static_cast<int>(spans_.size() / slots_);
}

std::optional<RegexService::Span> RegexService::FindSpan(int i, int j) const {
    if (i < 0 || i >= MatchCount() || j < 0 || static_cast<std::size_t>(j) >= slots_)
        return std::nullopt;
    const Span& span = spans_[static_cast<std::size_t>(i) * slots_ + static_cast<std::size_t>(j)];
    if (span.begin == kUnset) return std::nullopt;
    // \K can end a match before its start; such a match stands for no text.
    const std::size_t begin = subject_.ToGbkOffset(span.begin);
    return Span{begin, std::max(begin, subject_.ToGbkOffset(span.end, true))};
}

Text RegexService::Slice(std::optional<Span> span) const {
    return span ? subject_.Gbk().substr(span->begin, span->end - span->begin) : Text{};
}

Text RegexService::MatchText(int i) const { return Slice(FindSpan(i - 1, 0)); }

Text RegexService::GroupText(int i, int j) const {
    return j < 1 ? Text{} : Slice(FindSpan(i - 1, j));
}

int RegexService::GroupCount() const {
    return MatchCount() == 0 ? 0 : static_cast<int>(slots_ - 1);
}

Text RegexService::ReplaceMatches(const Text& replacement) const {
    if (!compiled_) return {};
    const Text& subject = subject_.Gbk();
    Text out;
    out.reserve(subject.size());
    std::size_t copied = 0;
    for (int i = 0; i < MatchCount(); ++i) {
        const Span whole = *FindSpan(i, 0);
        if (whole.begin < copied) continue;
        out.append(subject, copied, whole.begin - copied);
        AppendReplacement(replacement, i, out);
        copied = whole.end;
    }
    out.append(subject, copied);
    return out;
}

// "$" and the digits are ASCII bytes below any GBK trail byte, so the replacement is scanned
// byte by byte without splitting a character.
void RegexService::AppendReplacement(std::string_view replacement, int i, Text& out) const {
    for (std::size_t k = 0; k < replacement.size(); ++k) {
        const char c = replacement[k];
        const char next = k + 1 < replacement.size() ? replacement[k + 1] : '\0';
        if (c != '$') {
            out += c;
        } else if (next == '$') {
            out += '$';
            ++k;
        } else if (next == '&') {
            out += Slice(FindSpan(i, 0));
            ++k;
        } else if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '0') < slots_) {
            out += Slice(FindSpan(i, next - '0'));
            ++k;
        } else {
            out += '$';  // not a substitution: the dollar sign stands for itself
        }
    }
}

Text RegexService::CurrentPattern() const { return pattern_; }

}  // namespace dq
