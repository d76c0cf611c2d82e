#include "services/ecmascript_syntax.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

namespace dq::services {
namespace {

// ECMAScript white space as PCRE2 class members: PCRE2's ASCII \s and what ECMAScript adds.
constexpr std::string_view kSpaces = "\\s\\p{Zs}\\u2028\\u2029\\ufeff";
// A position at the start of the subject or just after a CR or an LF.
constexpr std::string_view kLineStart = "(?<![^\\r\\n])";
// Matches no character; quantifiable, unlike an empty class in every PCRE2 mode.
constexpr std::string_view kNoCharacter = "[^\\s\\S]";
constexpr std::string_view kFail = "(?!)";

// The largest repeat count PCRE2 accepts; larger ECMAScript counts are split into pieces.
constexpr std::uint64_t kPcre2MaxRepeat = 65535;
// Beyond this many pieces a maximum count reads as no maximum (a single repeat running over
// more than four million characters) and a minimum count is refused as too large.
constexpr std::uint64_t kMaxRepeatPieces = 64;
constexpr std::uint64_t kUnbounded = std::numeric_limits<std::uint64_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool IsAsciiAlnum(char c) { return IsDigit(c) || IsAsciiLetter(c); }

std::string CodePoint(unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", value);
    return buffer;
}

bool IsSurrogate(unsigned value) { return value >= 0xD800 && value <= 0xDFFF; }

// One parsed piece of the pattern. Leaves carry their PCRE2 text; the others their children.
struct Node {
    enum class Kind { Leaf, Assertion, Backref, Sequence, Alternation, Group, Look, Repeat };
    Kind kind = Kind::Sequence;
    std::string text;  // Leaf, Assertion, Backref: the PCRE2 text; Group, Look: the opener
    bool capture = false;
    std::uint64_t min = 0;
    std::uint64_t max = 0;
    bool lazy = false;
    std::vector<Node> children;
};

bool Nullable(const Node& n) {
    switch (n.kind) {
        case Node::Kind::Leaf: return false;
        case Node::Kind::Assertion:
        case Node::Kind::Backref:
        case Node::Kind::Look: return true;
        case Node::Kind::Sequence:
            return std::all_of(n.children.begin(), n.children.end(), Nullable);
        case Node::Kind::Alternation:
            return std::any_of(n.children.begin(), n.children.end(), Nullable);
        case Node::Kind::Group: return Nullable(n.children.front());
        case Node::Kind::Repeat: return n.min == 0 || Nullable(n.children.front());
    }
    return false;
}

bool HasCaptures(const Node& n) {
    if (n.kind == Node::Kind::Group && n.capture) return true;
    return std::any_of(n.children.begin(), n.children.end(), HasCaptures);
}

// Writes the PCRE2 form of the parsed tree. Fails (ok() false) only on a repeat count too
// large to write.
class Writer {
public:
    bool ok() const { return ok_; }

    std::string Write(const Node& n) {
        switch (n.kind) {
            case Node::Kind::Leaf:
            case Node::Kind::Assertion:
            case Node::Kind::Backref: return n.text;
            case Node::Kind::Sequence: {
                std::string out;
                for (const Node& child : n.children) out += Write(child);
                return out;
            }
            case Node::Kind::Alternation: {
                std::string out;
                for (std::size_t k = 0; k < n.children.size(); ++k) {
                    if (k > 0) out += '|';
                    out += Write(n.children[k]);
                }
                return out;
            }
            case Node::Kind::Group:
            case Node::Kind::Look: return n.text + Write(n.children.front()) + ")";
            case Node::Kind::Repeat: return WriteRepeat(n);
        }
        return {};
    }

private:
    static std::string Wrap(const std::string& atom) { return "(?:" + atom + ")"; }

    // Text of n that a quantifier can follow. Leaves are single PCRE2 items and stay unwrapped:
    // PCRE2 repeats a single item in place but copies a group once per bounded repetition.
    static bool IsSingleItem(const Node& n) {
        return n.kind == Node::Kind::Leaf || n.kind == Node::Kind::Backref;
    }
    std::string QuantifiableText(const Node& n) {
        return IsSingleItem(n) || n.kind == Node::Kind::Group ? Write(n) : Wrap(Write(n));
    }

    // atom{min,max} in pieces PCRE2 accepts. An atom with groups cannot be split: its groups
    // would be numbered twice.
    std::string Quantify(const std::string& atom, std::uint64_t min, std::uint64_t max, bool lazy,
                         bool hasCaptures) {
        const std::string lazyMark = lazy ? "?" : "";
        const auto piece = [&](std::uint64_t lo, std::uint64_t hi) {
            if (lo == 0 && hi == kUnbounded) return atom + "*" + lazyMark;
            if (lo == 1 && hi == kUnbounded) return atom + "+" + lazyMark;
            if (lo == 0 && hi == 1) return atom + "?" + lazyMark;
            if (hi == kUnbounded) return atom + "{" + std::to_string(lo) + ",}" + lazyMark;
            if (lo == hi) return atom + "{" + std::to_string(lo) + "}";
            return atom + "{" + std::to_string(lo) + "," + std::to_string(hi) + "}" + lazyMark;
        };
        if (min <= kPcre2MaxRepeat && (max <= kPcre2MaxRepeat || max == kUnbounded))
            return piece(min, max);
        if (hasCaptures) {
            ok_ = false;
            return {};
        }
        if (max != kUnbounded && max > kPcre2MaxRepeat * kMaxRepeatPieces) max = kUnbounded;
        if (min > kPcre2MaxRepeat * kMaxRepeatPieces) {
            ok_ = false;
            return {};
        }
        // Pieces of at most 65535 whose minimums add up to min and maximums to max: the
        // counts they can take together are exactly min..max.
        std::string out;
        while (min > kPcre2MaxRepeat || (max != kUnbounded && max > kPcre2MaxRepeat)) {
            const std::uint64_t hi = std::min(max, kPcre2MaxRepeat);
            const std::uint64_t lo = std::min(min, hi);
            out += piece(lo, hi);
            min -= lo;
            if (max != kUnbounded) max -= hi;
        }
        return out + piece(min, max);
    }

    // ECMAScript ends a repeat at an iteration that matches nothing once the minimum is
    // reached (the iteration fails and the engine backtracks into it); PCRE2 accepts the
    // empty iteration and stops. An atom that can match nothing is therefore repeated in its
    // non-empty form beyond the minimum, where that form can be written.
    std::string WriteRepeat(const Node& n) {
        const Node& atom = n.children.front();
        const bool captures = HasCaptures(atom);
        const std::string plain = QuantifiableText(atom);
        if (!Nullable(atom)) return Quantify(plain, n.min, n.max, n.lazy, captures);
        const auto nonEmpty = NonEmpty(atom);
        if (!nonEmpty) return Quantify(plain, n.min, n.max, n.lazy, captures);
        const std::string repeated = IsSingleItem(atom) ? *nonEmpty : Wrap(*nonEmpty);
        if (n.min == 0) return Quantify(repeated, 0, n.max, n.lazy, captures);
        if (!captures) {
            const std::uint64_t rest = n.max == kUnbounded ? kUnbounded : n.max - n.min;
            return Quantify(plain, n.min, n.min, false, false) +
                   Quantify(repeated, 0, rest, n.lazy, false);
        }
        // The first iterations may match nothing, so with no maximum the repeat finds the same
        // texts as the non-empty form repeated from zero; the groups hold the last iteration's
        // texts either way.
        if (n.max == kUnbounded) return Quantify(repeated, 0, kUnbounded, n.lazy, captures);
        return Quantify(plain, n.min, n.max, n.lazy, captures);
    }

    // The form of n that matches what n matches except the empty string, with the same
    // preferences and each group once; nothing where that cannot be written.
    std::optional<std::string> NonEmpty(const Node& n) {
        if (!Nullable(n)) return Write(n);
        switch (n.kind) {
            case Node::Kind::Leaf: return n.text;
            case Node::Kind::Assertion:
            case Node::Kind::Look: return std::string(kFail);
            case Node::Kind::Backref: return std::nullopt;
            case Node::Kind::Group: {
                const auto inner = NonEmpty(n.children.front());
                if (!inner) return std::nullopt;
                return n.text + *inner + ")";
            }
            case Node::Kind::Alternation: {
                std::string out;
                for (std::size_t k = 0; k < n.children.size(); ++k) {
                    const auto branch = NonEmpty(n.children[k]);
                    if (!branch) return std::nullopt;
                    if (k > 0) out += '|';
                    out += *branch;
                }
                return out;
            }
            case Node::Kind::Sequence:
                if (n.children.empty()) return std::string(kFail);
                if (n.children.size() == 1) return NonEmpty(n.children.front());
                return std::nullopt;
            case Node::Kind::Repeat: {
                if (n.min != 0 || n.max == 0) return n.max == 0 ? std::optional(std::string(kFail))
                                                                : std::nullopt;
                const Node& atom = n.children.front();
                const auto once = Nullable(atom) ? NonEmpty(atom) : Write(atom);
                if (!once) return std::nullopt;
                return Quantify(IsSingleItem(atom) ? *once : Wrap(*once), 1, n.max, n.lazy,
                                HasCaptures(atom));
            }
        }
        return std::nullopt;
    }

    bool ok_ = true;
};

// Recursive-descent reader of the web-compatible ECMAScript grammar. Every reader returns
// false at the first syntax error.
class Reader {
public:
    Reader(std::string_view p, bool multiLine) : p_(p), multiLine_(multiLine) { CountGroups(); }

    std::optional<std::string> Translate() {
        if (!ok_) return std::nullopt;
        Node root;
        if (!ReadDisjunction(root) || i_ != p_.size()) return std::nullopt;
        Writer writer;
        std::string out = writer.Write(root);
        if (!writer.ok()) return std::nullopt;
        return out;
    }

private:
    bool AtEnd() const { return i_ >= p_.size(); }
    char Peek(std::size_t ahead = 0) const {
        return i_ + ahead < p_.size() ? p_[i_ + ahead] : '\0';
    }
    bool LooksAt(std::string_view s) const { return p_.substr(i_).starts_with(s); }

    // Capturing groups: "(" not followed by "?", or "(?<name>". Names are checked and given
    // PCRE2-safe replacements (ECMAScript allows "$" and other letters in names).
    void CountGroups() {
        bool inClass = false;
        for (std::size_t k = 0; k < p_.size(); ++k) {
            const char c = p_[k];
            if (c == '\\') {
                ++k;
            } else if (inClass) {
                inClass = c != ']';
            } else if (c == '[') {
                inClass = true;
            } else if (c == '(') {
                const std::string_view rest = p_.substr(k + 1);
                if (!rest.starts_with("?")) {
                    ++groups_;
                } else if (rest.starts_with("?<") && !rest.starts_with("?<=") &&
                           !rest.starts_with("?<!")) {
                    ++groups_;
                    const std::size_t close = rest.find('>');
                    const std::string name(rest.substr(2, close == std::string_view::npos
                                                              ? std::string_view::npos
                                                              : close - 2));
                    if (close == std::string_view::npos || !ValidName(name) ||
                        std::find(names_.begin(), names_.end(), name) != names_.end()) {
                        ok_ = false;
                        return;
                    }
                    names_.push_back(name);
                }
            }
        }
    }

    static bool ValidName(std::string_view name) {
        if (name.empty() || IsDigit(name.front())) return false;
        return std::all_of(name.begin(), name.end(), [](char c) {
            return IsAsciiAlnum(c) || c == '_' || c == '$' || (static_cast<unsigned char>(c) & 0x80);
        });
    }

    std::string Pcre2Name(std::string_view name) const {
        const auto at = std::find(names_.begin(), names_.end(), name);
        return "n" + std::to_string(at - names_.begin() + 1);
    }

    bool ReadDisjunction(Node& out) {
        Node alternatives;
        alternatives.kind = Node::Kind::Alternation;
        for (;;) {
            Node sequence;
            if (!ReadAlternative(sequence)) return false;
            alternatives.children.push_back(std::move(sequence));
            if (Peek() != '|' || AtEnd()) break;
            ++i_;
        }
        out = alternatives.children.size() == 1 ? std::move(alternatives.children.front())
                                                : std::move(alternatives);
        return true;
    }

    bool ReadAlternative(Node& out) {
        out.kind = Node::Kind::Sequence;
        while (!AtEnd() && Peek() != '|' && Peek() != ')') {
            if (!ReadTerm(out)) return false;
        }
        return true;
    }

    bool ReadTerm(Node& sequence) {
        Node atom;
        bool quantifiable = true;
        const char c = Peek();
        if (c == '^' || c == '$') {
            atom = Leaf(Node::Kind::Assertion, c == '^' && multiLine_ ? std::string(kLineStart)
                                                                       : std::string(1, c));
            ++i_;
            quantifiable = false;
        } else if (c == '\\' && (Peek(1) == 'b' || Peek(1) == 'B')) {
            atom = Leaf(Node::Kind::Assertion, std::string("\\") + Peek(1));
            i_ += 2;
            quantifiable = false;
        } else if (c == '(') {
            if (!ReadGroup(atom, quantifiable)) return false;
        } else if (!ReadAtom(atom)) {
            return false;
        }
        std::uint64_t min = 0;
        std::uint64_t max = 0;
        const std::size_t before = i_;
        if (ReadQuantifier(min, max)) {
            if (!quantifiable) return false;
            if (min > max) return false;
            Node repeat;
            repeat.kind = Node::Kind::Repeat;
            repeat.min = min;
            repeat.max = max;
            if (Peek() == '?' && !AtEnd()) {
                repeat.lazy = true;
                ++i_;
            }
            repeat.children.push_back(std::move(atom));
            sequence.children.push_back(std::move(repeat));
        } else {
            if (i_ != before) return false;
            sequence.children.push_back(std::move(atom));
        }
        return true;
    }

    static Node Leaf(Node::Kind kind, std::string text) {
        Node n;
        n.kind = kind;
        n.text = std::move(text);
        return n;
    }

    bool ReadGroup(Node& out, bool& quantifiable) {
        struct Opener {
            std::string_view ecma;
            std::string_view pcre2;
            Node::Kind kind;
            bool quantifiable;
        };
        // Lookaheads may be repeated in the web-compatible grammar; lookbehinds may not.
        static constexpr Opener kOpeners[] = {
            {"(?:", "(?:", Node::Kind::Group, true},   {"(?=", "(?=", Node::Kind::Look, true},
            {"(?!", "(?!", Node::Kind::Look, true},    {"(?<=", "(?<=", Node::Kind::Look, false},
            {"(?<!", "(?<!", Node::Kind::Look, false},
        };
        out.kind = Node::Kind::Group;
        bool known = false;
        for (const Opener& opener : kOpeners) {
            if (LooksAt(opener.ecma)) {
                out.kind = opener.kind;
                out.text = opener.pcre2;
                quantifiable = opener.quantifiable;
                i_ += opener.ecma.size();
                known = true;
                break;
            }
        }
        if (!known && LooksAt("(?<")) {
            const std::size_t close = p_.find('>', i_);
            out.text = "(?<" + Pcre2Name(p_.substr(i_ + 3, close - i_ - 3)) + ">";
            out.capture = true;
            i_ = close + 1;
        } else if (!known) {
            if (Peek(1) == '?') return false;  // (?R), (?>, (?i), (?#, (?P<, (?|, (?C ...
            out.text = "(";
            out.capture = true;
            ++i_;
        }
        Node inner;
        if (!ReadDisjunction(inner) || Peek() != ')' || AtEnd()) return false;
        ++i_;
        out.children.push_back(std::move(inner));
        return true;
    }

    // A well-formed {n}, {n,} or {n,m} at the reading position; counts saturate.
    bool ReadBraces(std::uint64_t& min, std::uint64_t& max) {
        std::size_t k = i_ + 1;
        const auto number = [&](std::uint64_t& value) {
            const std::size_t start = k;
            value = 0;
            while (k < p_.size() && IsDigit(p_[k])) {
                value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(p_[k] - '0'),
                                                std::uint64_t{1} << 53);
                ++k;
            }
            return k > start;
        };
        if (!number(min)) return false;
        max = min;
        if (k < p_.size() && p_[k] == ',') {
            ++k;
            if (!number(max)) max = kUnbounded;
        }
        if (k >= p_.size() || p_[k] != '}') return false;
        i_ = k + 1;
        return true;
    }

    bool ReadQuantifier(std::uint64_t& min, std::uint64_t& max) {
        if (AtEnd()) return false;
        switch (Peek()) {
            case '*': min = 0, max = kUnbounded, ++i_; return true;
            case '+': min = 1, max = kUnbounded, ++i_; return true;
            case '?': min = 0, max = 1, ++i_; return true;
            case '{': return ReadBraces(min, max);
            default: return false;
        }
    }

    // A literal character, escaped for PCRE2 where it would be an operator.
    static std::string Literal(std::string_view utf8Char) {
        const char c = utf8Char.front();
        if (utf8Char.size() > 1 || IsAsciiAlnum(c) || c == ' ' || c == '_') return std::string(utf8Char);
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return CodePoint(static_cast<unsigned char>(c));
        return std::string("\\") + c;
    }

    // The UTF-8 character at the reading position, consumed.
    std::string_view TakeChar() {
        std::size_t end = i_ + 1;
        while (end < p_.size() && (static_cast<unsigned char>(p_[end]) & 0xC0) == 0x80) ++end;
        const std::string_view ch = p_.substr(i_, end - i_);
        i_ = end;
        return ch;
    }

    static unsigned CodeOf(std::string_view ch) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(ch[k]); };
        switch (ch.size()) {
            case 1: return byte(0);
            case 2: return ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
            case 3: return ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
            default:
                return ((byte(0) & 0x07u) << 18) | ((byte(1) & 0x3Fu) << 12) |
                       ((byte(2) & 0x3Fu) << 6) | (byte(3) & 0x3Fu);
        }
    }

    bool ReadAtom(Node& out) {
        const char c = Peek();
        if (c == '*' || c == '+' || c == '?') return false;  // nothing to repeat
        if (c == '{') {
            std::uint64_t min = 0;
            std::uint64_t max = 0;
            const std::size_t at = i_;
            if (ReadBraces(min, max)) return false;  // a repeat with nothing to repeat
            i_ = at + 1;
            out = Leaf(Node::Kind::Leaf, "\\{");
            return true;
        }
        if (c == '.') {
            ++i_;
            out = Leaf(Node::Kind::Leaf, ".");
            return true;
        }
        if (c == '[') return ReadClass(out);
        if (c == '\\') return ReadAtomEscape(out);
        out = Leaf(Node::Kind::Leaf, Literal(TakeChar()));
        return true;
    }

    // A character code from a \x, \u, \c or octal escape, as an atom.
    static Node CodeAtom(unsigned code) {
        return Leaf(Node::Kind::Leaf, IsSurrogate(code) ? std::string(kNoCharacter) : CodePoint(code));
    }

    // Hex digits at p[at...]; count of them read into value, or false.
    bool Hex(std::size_t at, std::size_t count, unsigned& value) const {
        value = 0;
        for (std::size_t k = 0; k < count; ++k) {
            if (at + k >= p_.size() || !IsHexDigit(p_[at + k])) return false;
            const char h = p_[at + k];
            value = value * 16 + static_cast<unsigned>(IsDigit(h) ? h - '0' : (h | 0x20) - 'a' + 10);
        }
        return true;
    }

    // Legacy octal at the reading position: up to three octal digits, at most 0377.
    unsigned ReadOctal() {
        unsigned code = 0;
        const std::size_t start = i_;
        while (i_ < p_.size() && i_ < start + 3 && p_[i_] >= '0' && p_[i_] <= '7' &&
               code * 8 + static_cast<unsigned>(p_[i_] - '0') <= 0377) {
            code = code * 8 + static_cast<unsigned>(p_[i_] - '0');
            ++i_;
        }
        return code;
    }

    // The escapes that mean the same inside and outside a class; false when e is none of them.
    // On success the reading position is after the escape and code holds the character.
    bool ReadCharacterEscape(unsigned& code) {
        const char e = Peek(1);
        switch (e) {
            case 't': code = '\t'; break;
            case 'n': code = '\n'; break;
            case 'v': code = 0x0B; break;
            case 'f': code = '\f'; break;
            case 'r': code = '\r'; break;
            case 'x':
                if (!Hex(i_ + 2, 2, code)) return false;
                i_ += 4;
                return true;
            case 'u':
                if (!Hex(i_ + 2, 4, code)) return false;
                i_ += 6;
                return true;
            default: return false;
        }
        i_ += 2;
        return true;
    }

    bool ReadAtomEscape(Node& out) {
        if (i_ + 1 >= p_.size()) return false;  // a backslash at the end
        const char e = Peek(1);
        if (e == 'd' || e == 'D' || e == 'w' || e == 'W') {
            out = Leaf(Node::Kind::Leaf, std::string("\\") + e);
            i_ += 2;
            return true;
        }
        if (e == 's' || e == 'S') {
            out = Leaf(Node::Kind::Leaf, (e == 's' ? "[" : "[^") + std::string(kSpaces) + "]");
            i_ += 2;
            return true;
        }
        if (unsigned code = 0; ReadCharacterEscape(code)) {
            out = CodeAtom(code);
            return true;
        }
        if (e == 'c') {
            if (IsAsciiLetter(Peek(2))) {
                out = CodeAtom(static_cast<unsigned>(Peek(2)) % 32);
                i_ += 3;
            } else {  // "\c" without a letter: the backslash is a character of its own
                out = Leaf(Node::Kind::Leaf, "\\\\");
                ++i_;
            }
            return true;
        }
        if (e == 'k' && !names_.empty()) {
            const std::size_t close = p_.find('>', i_);
            if (Peek(2) != '<' || close == std::string_view::npos) return false;
            const std::string_view name = p_.substr(i_ + 3, close - i_ - 3);
            if (std::find(names_.begin(), names_.end(), name) == names_.end()) return false;
            out = Leaf(Node::Kind::Backref, "\\k<" + Pcre2Name(name) + ">");
            i_ = close + 1;
            return true;
        }
        if (IsDigit(e) && e != '0') {
            ++i_;
            return ReadDecimalEscape(out);
        }
        if (e == '0') {
            ++i_;
            out = CodeAtom(ReadOctal());
            return true;
        }
        ++i_;  // any other escaped character stands for itself
        out = Leaf(Node::Kind::Leaf, Literal(TakeChar()));
        return true;
    }

    // \N at the reading position (the digits): a back reference when N names a group, else a
    // legacy octal code, or the digit itself for 8 and 9.
    bool ReadDecimalEscape(Node& out) {
        std::size_t end = i_;
        std::uint64_t value = 0;
        while (end < p_.size() && IsDigit(p_[end])) {
            value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(p_[end] - '0'), 100000);
            ++end;
        }
        if (value >= 1 && value <= groups_) {
            out = Leaf(Node::Kind::Backref, "\\g{" + std::to_string(value) + "}");
            i_ = end;
            return true;
        }
        if (Peek() == '8' || Peek() == '9') {
            out = Leaf(Node::Kind::Leaf, std::string(1, Peek()));
            ++i_;
            return true;
        }
        out = CodeAtom(ReadOctal());
        return true;
    }

    // One member of a class: a character (code), or a class escape (set).
    struct ClassAtom {
        bool isChar = true;
        unsigned code = 0;
        std::string set;        // PCRE2 class members of a class escape
        bool notSpace = false;  // \S, which PCRE2 cannot write as class members
    };

    bool ReadClassAtom(ClassAtom& atom) {
        if (AtEnd()) return false;
        if (Peek() != '\\') {
            atom.code = CodeOf(TakeChar());
            return true;
        }
        if (i_ + 1 >= p_.size()) return false;
        const char e = Peek(1);
        if (e == 'd' || e == 'D' || e == 'w' || e == 'W' || e == 's' || e == 'S') {
            atom.isChar = false;
            atom.set = e == 's' ? std::string(kSpaces) : std::string("\\") + e;
            atom.notSpace = e == 'S';
            if (atom.notSpace) atom.set.clear();
            i_ += 2;
            return true;
        }
        if (ReadCharacterEscape(atom.code)) return true;
        if (e == 'b') {
            atom.code = 0x08;
            i_ += 2;
            return true;
        }
        if (e == 'c') {
            const char l = Peek(2);
            if (IsAsciiLetter(l) || IsDigit(l) || l == '_') {
                atom.code = static_cast<unsigned>(l) % 32;
                i_ += 3;
            } else {
                atom.code = '\\';
                ++i_;
            }
            return true;
        }
        if (e == 'k' && !names_.empty()) return false;
        ++i_;
        if (IsDigit(e)) {
            atom.code = e >= '8' ? static_cast<unsigned>(e) : ReadOctal();
            if (e >= '8') ++i_;
            return true;
        }
        atom.code = CodeOf(TakeChar());
        return true;
    }

    static std::string ClassMember(unsigned code) {
        if (code < 0x80 && IsAsciiAlnum(static_cast<char>(code))) return std::string(1, static_cast<char>(code));
        return CodePoint(code);
    }

    static void AddMember(const ClassAtom& atom, std::string& members, bool& notSpace) {
        if (!atom.isChar) {
            members += atom.set;
            notSpace = notSpace || atom.notSpace;
        } else if (!IsSurrogate(atom.code)) {
            members += ClassMember(atom.code);
        }
    }

    bool ReadClass(Node& out) {
        ++i_;
        const bool negated = Peek() == '^' && !AtEnd();
        if (negated) ++i_;
        std::string members;
        bool notSpace = false;
        for (;;) {
            if (AtEnd()) return false;
            if (Peek() == ']') break;
            ClassAtom from;
            if (!ReadClassAtom(from)) return false;
            if (Peek() != '-' || Peek(1) == ']' || i_ + 1 >= p_.size()) {
                AddMember(from, members, notSpace);
                continue;
            }
            ++i_;  // the dash
            ClassAtom to;
            if (!ReadClassAtom(to)) return false;
            if (!from.isChar || !to.isChar) {  // a class escape at either end: a union
                AddMember(from, members, notSpace);
                members += "\\-";
                AddMember(to, members, notSpace);
                continue;
            }
            if (from.code > to.code) return false;
            unsigned lo = from.code;
            unsigned hi = to.code;
            if (IsSurrogate(lo)) lo = 0xE000;
            if (IsSurrogate(hi)) hi = 0xD7FF;
            if (lo <= hi) members += ClassMember(lo) + "-" + ClassMember(hi);
        }
        ++i_;
        out = Leaf(Node::Kind::Leaf, ClassText(members, negated, notSpace));
        return true;
    }

    // PCRE2 form of a class with the given members; with \S among them, as an alternation of
    // the members and the non-space class (or, negated, white space that is no member).
    static std::string ClassText(const std::string& members, bool negated, bool notSpace) {
        const std::string spaces(kSpaces);
        if (!notSpace) {
            if (members.empty()) return negated ? "[\\s\\S]" : std::string(kNoCharacter);
            return (negated ? "[^" : "[") + members + "]";
        }
        if (negated) {
            return members.empty() ? "[" + spaces + "]"
                                   : "(?:(?![" + members + "])[" + spaces + "])";
        }
        return members.empty() ? "[^" + spaces + "]"
                               : "(?:[" + members + "]|[^" + spaces + "])";
    }

    std::string_view p_;
    bool multiLine_;
    std::size_t i_ = 0;
    std::size_t groups_ = 0;
    std::vector<std::string> names_;
    bool ok_ = true;
};

}  // namespace

std::optional<std::string> ToPcre2Syntax(std::string_view ecmaPattern, bool multiLine) {
    return Reader(ecmaPattern, multiLine).Translate();
}

}  // namespace dq::services
