#include "services/regex_service.h"

#include "services/ascii_passthrough.h"
#include "services/pcre2_pattern.h"
#include "web/text_utils.h"

#include <algorithm>

namespace dq {
namespace {

constexpr std::string_view kDoubleQuote = "\"";

}  // namespace

RegexService::RegexService() = default;
RegexService::~RegexService() = default;

bool RegexService::Create(const Text& pattern, const Text& subject, bool caseSensitive,
                          bool multiLine, bool global, bool replacePlaceholder) {
    spans_.clear();
    slots_ = 0;
    pattern_ = replacePlaceholder ? text::ReplaceAll(pattern, kQuotePlaceholder, kDoubleQuote)
                                  : TextFromBytes(pattern);
    subject_ = services::AnsiToUtf8KeepingAscii(subject);

    const auto compiled = services::Pcre2Pattern::Compile(
        services::AnsiToUtf8KeepingAscii(pattern_),
        services::PatternOptions{.ignoreCase = !caseSensitive, .multiLine = multiLine});
    if (!compiled) return false;

    slots_ = compiled->GroupCount() + 1;
    compiled->ForEachMatch(subject_, global, [this](const std::size_t* offsets, std::size_t pairs) {
        for (std::size_t slot = 0; slot < slots_; ++slot) {
            const bool set = slot < pairs && offsets[2 * slot] != services::Pcre2Pattern::kUnset;
            spans_.push_back(set ? Span{offsets[2 * slot], offsets[2 * slot + 1]}
                                 : Span{services::Pcre2Pattern::kUnset, 0});
        }
    });
    return true;
}

int RegexService::MatchCount() const {
    return slots_ == 0 ? 0 : static_cast<int>(spans_.size() / slots_);
}

const RegexService::Span* RegexService::FindSpan(int i, int j) const {
    if (i < 0 || i >= MatchCount() || j < 0 || static_cast<std::size_t>(j) >= slots_)
        return nullptr;
    const Span& span = spans_[static_cast<std::size_t>(i) * slots_ + static_cast<std::size_t>(j)];
    return span.begin == services::Pcre2Pattern::kUnset ? nullptr : &span;
}

Text RegexService::Slice(const Span& span) const {
    // \K can end a match before its start; such a match stands for no text.
    if (span.end <= span.begin) return {};
    return services::Utf8ToAnsiKeepingAscii(
        std::string_view(subject_).substr(span.begin, span.end - span.begin));
}

Text RegexService::MatchText(int i) const {
    const Span* span = FindSpan(i - 1, 0);
    return span ? Slice(*span) : Text{};
}

Text RegexService::GroupText(int i, int j) const {
    if (j < 1) return {};
    const Span* span = FindSpan(i - 1, j);
    return span ? Slice(*span) : Text{};
}

int RegexService::GroupCount() const {
    return MatchCount() == 0 ? 0 : static_cast<int>(slots_ - 1);
}

Text RegexService::ReplaceMatches(const Text& replacement) const {
    const std::string pieces = services::AnsiToUtf8KeepingAscii(replacement);
    const std::string_view subject(subject_);
    std::string out;
    out.reserve(subject.size());
    std::size_t copied = 0;
    for (int i = 0; i < MatchCount(); ++i) {
        const Span& whole = *FindSpan(i, 0);
        if (whole.begin < copied) continue;
        out.append(subject, copied, whole.begin - copied);
        AppendReplacement(pieces, i, out);
        copied = std::max(whole.end, whole.begin);
    }
    out.append(subject.substr(copied));
    return services::Utf8ToAnsiKeepingAscii(out);
}

void RegexService::AppendReplacement(std::string_view replacement, int i, std::string& out) const {
    const std::string_view subject(subject_);
    const auto appendSpan = [&](int j) {
        const Span* span = FindSpan(i, j);
        if (span && span->end > span->begin)
            out.append(subject, span->begin, span->end - span->begin);
    };
    for (std::size_t k = 0; k < replacement.size(); ++k) {
        const char c = replacement[k];
        const char next = k + 1 < replacement.size() ? replacement[k + 1] : '\0';
        if (c != '$') {
            out += c;
        } else if (next == '$') {
            out += '$';
            ++k;
        } else if (next == '&') {
            appendSpan(0);
            ++k;
        } else if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '0') < slots_) {
            appendSpan(next - '0');
            ++k;
        } else {
            out += '$';  // not a substitution: the dollar sign stands for itself
        }
    }
}

Text RegexService::CurrentPattern() const { return pattern_; }

}  // namespace dq
