// RegexService: one pattern run once over one subject, then questions about the matches.
//
// Pattern and subject are GBK Text; matching works on characters (the texts are decoded to
// UTF-8 first), so a Chinese character is one character for `.`, `[^...]` and `{1,8}`. Match
// and group texts are cut from the subject as it was given. The dialect is that of ECMAScript
// regular expressions (see ecmascript_syntax.h and pcre2_pattern.cpp). Every failure gives an
// empty result: a pattern that does not compile, an index outside the list, an unset group.
// One object serves one caller; reading operations are not meant to run on several threads.
//
// A runaway pattern never freezes the caller: each search for the next match has a budget of
// backtracking work, nesting depth and heap (see pcre2_pattern.h); a search that exhausts one
// ends the run with the matches found so far. The budgets count work, not time, so the
// answer is the same on any machine.
#pragma once

#include "services/gbk_subject.h"
#include "web/text.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace dq {

class RegexService {
public:
    RegexService();
    ~RegexService();
    RegexService(const RegexService&) = delete;
    RegexService& operator=(const RegexService&) = delete;

    // Compiles pattern (every "#引号" becomes a double quote when replacePlaceholder) and runs
    // it over subject: every match when global, else only the first. False when the pattern
    // is not a valid expression; true otherwise, also when nothing matched.
    bool Create(const Text& pattern, const Text& subject, bool caseSensitive = false,
                bool multiLine = true, bool global = true, bool replacePlaceholder = false);
    // The same over a subject decoded beforehand (a page taken over as it arrived in UTF-8,
    // say): its GBK text is the subject.
    bool Create(const Text& pattern, services::GbkSubject subject, bool caseSensitive = false,
                bool multiLine = true, bool global = true, bool replacePlaceholder = false);

    // Number of matches of the last run; 0 before Create and after a failed one.
    int MatchCount() const;

    // Text of match i (1 = first); empty outside the list.
    Text MatchText(int i) const;

    // Text of group j (1 = first) of match i (1 = first); empty outside the lists and for a
    // group that took no part in the match.
    Text GroupText(int i, int j) const;

    // Number of groups of the first match; 0 when there is no match.
    int GroupCount() const;

    // The subject of the last Create with each match replaced by replacement, in which $1..$9
    // stand for the groups, $& for the whole match and $$ for one dollar sign; empty Text
    // before Create and after a failed one.
    Text ReplaceMatches(const Text& replacement) const;

    // The pattern in force after placeholder substitution; empty before the first Create.
    Text CurrentPattern() const;

private:
    struct Span {
        std::size_t begin;
        std::size_t end;
    };

    // Span of group j (0 = whole match) of match i (0-based) in GBK byte offsets; nullopt
    // when not set.
    std::optional<Span> FindSpan(int i, int j) const;
    Text Slice(std::optional<Span> span) const;
    // Appends replacement for match i (0-based) to out, expanding its $ forms.
    void AppendReplacement(std::string_view replacement, int i, Text& out) const;

    Text pattern_;
    services::GbkSubject subject_;
    std::size_t slots_ = 0;     // spans per match: the whole match and every group
    std::vector<Span> spans_;   // slots_ spans per match, in UTF-8 byte offsets
    bool compiled_ = false;     // the last Create compiled its pattern
};

}  // namespace dq
