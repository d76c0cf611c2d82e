#include "web/text.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace dq::text {
namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr unsigned char kFullWidthSpaceByte = 0xA1;  // the full-width space is A1 A1

unsigned char ByteAt(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// Bytes taken by the character that starts at i: a byte with its high bit set begins a
// two-byte character.
std::size_t CharLength(std::string_view text, std::size_t i) {
    return ByteAt(text, i) >= 0x80 ? 2 : 1;
}

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Whether needle matches text at byte index at. Ignoring case folds ASCII letters that begin
// a character only; both bytes of a two-byte character must be equal.
bool MatchesAt(std::string_view text, std::size_t at, std::string_view needle, bool ignoreCase) {
    if (!ignoreCase) return std::memcmp(text.data() + at, needle.data(), needle.size()) == 0;
    std::size_t i = 0;
    while (i < needle.size()) {
        const unsigned char a = ByteAt(text, at + i);
        const unsigned char b = ByteAt(needle, i);
        if (b >= 0x80) {
            const std::size_t len = std::min<std::size_t>(2, needle.size() - i);
            if (std::memcmp(text.data() + at + i, needle.data() + i, len) != 0) return false;
            i += len;
        } else {
            if (FoldAscii(a) != FoldAscii(b)) return false;
            ++i;
        }
    }
    return true;
}

// Whether byte index at begins a character, given that cur (at or before at) does. The bytes
// just before at that have their high bit set are counted back to the first one that has not
// (which ends a character whether it is ASCII or a trail byte) or to cur: from there they pair
// up into two-byte characters, so at begins one when their number is even.
bool BeginsCharacter(std::string_view text, std::size_t cur, std::size_t at) {
    std::size_t high = at;
    while (high > cur && ByteAt(text, high - 1) >= 0x80) --high;
    return (at - high) % 2 == 0;
}

// Finds the next place in [from, last] where the first byte of the needle stands (either case
// of a letter when folding). The next place of each case is kept, so neither is searched for
// more than once per stretch of text.
class CandidateScanner {
public:
    CandidateScanner(std::string_view text, std::string_view needle, bool ignoreCase,
                     std::size_t last)
        : text_(text), needle_(needle), last_(last) {
        const unsigned char first = ByteAt(needle, 0);
        byteOne_ = first;
        byteTwo_ = first;
        if (ignoreCase && IsAsciiLetter(first)) {
            byteOne_ = FoldAscii(first);
            byteTwo_ = static_cast<unsigned char>(byteOne_ - ('a' - 'A'));
        }
        // Without folding every byte of the needle has to be there as it is.
        wholeNeedle_ = !ignoreCase;
    }

    // The first place at or after from; kNone when there is none.
    std::size_t Next(std::size_t from) {
        if (from > last_) return kNone;
        if (wholeNeedle_) {
            const void* hit = ::memmem(text_.data() + from, last_ + needle_.size() - from,
                                       needle_.data(), needle_.size());
            return hit ? Offset(hit) : kNone;
        }
        if (nextOne_ == kUnknown || (nextOne_ != kNone && nextOne_ < from))
            nextOne_ = Search(byteOne_, from);
        if (byteTwo_ == byteOne_) return nextOne_;
        if (nextTwo_ == kUnknown || (nextTwo_ != kNone && nextTwo_ < from))
            nextTwo_ = Search(byteTwo_, from);
        return std::min(nextOne_, nextTwo_);
    }

private:
    static constexpr std::size_t kUnknown = kNone - 1;

    std::size_t Offset(const void* hit) const {
        return static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
    }
    std::size_t Search(unsigned char byte, std::size_t from) const {
        const void* hit = std::memchr(text_.data() + from, byte, last_ - from + 1);
        return hit ? Offset(hit) : kNone;
    }

    std::string_view text_;
    std::string_view needle_;
    std::size_t last_;
    unsigned char byteOne_;
    unsigned char byteTwo_;
    bool wholeNeedle_;
    std::size_t nextOne_ = kUnknown;
    std::size_t nextTwo_ = kUnknown;
};

// Index (0-based) of the first character-aligned match of needle, stepping by characters
// from byte index from; kNone when there is none. Candidates come from a byte search; the
// character cursor is only moved from one candidate to the next, and a candidate that is the
// trailing byte of a character is passed over.
std::size_t FindIndex(std::string_view text, std::string_view needle, std::size_t from,
                      bool ignoreCase) {
    if (needle.empty() || from >= text.size() || needle.size() > text.size() - from) {
        return kNone;
    }
    CandidateScanner scanner(text, needle, ignoreCase, text.size() - needle.size());
    std::size_t cur = from;  // a character start at or before the next candidate
    for (std::size_t candidate = scanner.Next(cur); candidate != kNone;
         candidate = scanner.Next(cur)) {
        if (!BeginsCharacter(text, cur, candidate)) {
            cur = candidate + 1;  // the candidate ends a character, so the next byte begins one
            continue;
        }
        if (MatchesAt(text, candidate, needle, ignoreCase)) return candidate;
        cur = candidate + CharLength(text, candidate);
    }
    return kNone;
}

std::size_t StartIndex(std::int64_t start) {
    return start < 1 ? 0 : static_cast<std::size_t>(start - 1);
}

bool IsTrimmedAt(std::string_view text, std::size_t i) {
    if (text[i] == ' ') return true;
    return ByteAt(text, i) == kFullWidthSpaceByte && i + 1 < text.size() &&
           ByteAt(text, i + 1) == kFullWidthSpaceByte;
}

// Applies a case change to every ASCII letter that begins a character.
template <typename Change>
Text ChangeCase(std::string_view text, Change change) {
    Text out(text);
    std::size_t i = 0;
    while (i < out.size()) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 0x80) {
            i += 2;
        } else {
            out[i] = static_cast<char>(change(c));
            ++i;
        }
    }
    return out;
}

}  // namespace

std::size_t Find(std::string_view text, std::string_view needle, std::int64_t start,
                 bool ignoreCase) {
    const std::size_t at = FindIndex(text, needle, StartIndex(start), ignoreCase);
    return at == kNone ? 0 : at + 1;
}

std::size_t FindLast(std::string_view text, std::string_view needle, bool ignoreCase) {
    std::size_t lastMatch = kNone;
    std::size_t at = FindIndex(text, needle, 0, ignoreCase);
    while (at != kNone) {
        lastMatch = at;
        at = FindIndex(text, needle, at + CharLength(text, at), ignoreCase);
    }
    return lastMatch == kNone ? 0 : lastMatch + 1;
}

std::vector<Text> Split(std::string_view text, std::string_view separator) {
    std::vector<Text> pieces;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t at = FindIndex(text, separator, pos, false);
        if (at == kNone) {
            pieces.emplace_back(text.substr(pos));
            break;
        }
        pieces.emplace_back(text.substr(pos, at - pos));
        pos = at + separator.size();
    }
    return pieces;
}

std::size_t Count(std::string_view text, std::string_view needle) {
    std::size_t count = 0;
    for (std::size_t at = FindIndex(text, needle, 0, false); at != kNone;
         at = FindIndex(text, needle, at + needle.size(), false)) {
        ++count;
    }
    return count;
}

Text ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                bool ignoreCase) {
    Text out;
    std::size_t pos = 0;
    for (std::size_t at = FindIndex(text, from, 0, ignoreCase); at != kNone;
         at = FindIndex(text, from, pos, ignoreCase)) {
        out.append(text.substr(pos, at - pos));
        out.append(to);
        pos = at + from.size();
    }
    out.append(text.substr(std::min(pos, text.size())));
    return out;
}

Text Trim(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsTrimmedAt(text, begin)) begin += text[begin] == ' ' ? 1 : 2;
    std::size_t end = text.size();
    const auto lastByte = end > begin ? ByteAt(text, end - 1) : 0;
    if (lastByte == ' ' || lastByte == kFullWidthSpaceByte) {
        // Only whole space characters count, so walk the characters to find the last
        // one that is not a space.
        end = begin;
        std::size_t cur = begin;
        while (cur < text.size()) {
            const std::size_t len = CharLength(text, cur);
            if (!IsTrimmedAt(text, cur)) end = std::min(cur + len, text.size());
            cur += len;
        }
    }
    return Text(text.substr(begin, end - begin));
}

Text Left(std::string_view text, std::int64_t count) {
    if (count <= 0) return {};
    return Text(text.substr(0, static_cast<std::size_t>(count)));
}

Text Right(std::string_view text, std::int64_t count) {
    if (count <= 0) return {};
    const auto n = static_cast<std::size_t>(count);
    return n >= text.size() ? Text(text) : Text(text.substr(text.size() - n));
}

Text Mid(std::string_view text, std::int64_t position, std::int64_t count) {
    const std::size_t start = StartIndex(position);
    if (count <= 0 || start >= text.size()) return {};
    return Text(text.substr(start, static_cast<std::size_t>(count)));
}

Text Upper(std::string_view text) {
    return ChangeCase(text, [](unsigned char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
    });
}

Text Lower(std::string_view text) { return ChangeCase(text, FoldAscii); }

bool Equal(std::string_view a, std::string_view b, bool ignoreCase) {
    return a.size() == b.size() && MatchesAt(a, 0, b, ignoreCase);
}

std::int32_t ToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kLimit = kMax + 1;  // magnitude of the most negative value
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
    }
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min(value, kMax));
}

}  // namespace dq::text
