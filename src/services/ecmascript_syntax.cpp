#include "services/ecmascript_syntax.h"

#include <cstdio>

namespace dq::services {
namespace {

// ECMAScript white space beyond PCRE2's ASCII \s, written as class members.
constexpr std::string_view kUnicodeSpaces = "\\p{Zs}\\u2028\\u2029\\ufeff";
// A position at the start of the subject or just after a CR or an LF.
constexpr std::string_view kLineStart = "(?<![^\\r\\n])";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Escaped letters that mean something in ECMAScript (outside and inside a class); `\k` names a
// group. Every other escaped letter is the letter.
bool IsEcmaEscapeLetter(char c, bool inClass) {
    const std::string_view meaningful = inClass ? "dDwWsStnfrcxub" : "dDwWsStnfrcxubBk";
    return meaningful.find(c) != std::string_view::npos;
}

// Calls onOperator(i) for every character p[i] that is neither escaped nor inside a class;
// stops early when onOperator returns false.
template <typename OnOperator>
void ForEachOperatorPosition(std::string_view p, OnOperator onOperator) {
    bool inClass = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        if (c == '\\') {
            ++i;
        } else if (inClass) {
            inClass = c != ']';
        } else if (c == '[') {
            inClass = true;
        } else if (!onOperator(i)) {
            return;
        }
    }
}

// Number of capturing groups: "(" not followed by "?", or followed by "?<" and a name.
std::size_t CountGroups(std::string_view p) {
    std::size_t count = 0;
    ForEachOperatorPosition(p, [&](std::size_t i) {
        if (p[i] != '(') return true;
        const std::string_view rest = p.substr(i + 1);
        const bool named = rest.starts_with("?<") && !rest.starts_with("?<=") && !rest.starts_with("?<!");
        if (!rest.starts_with("?") || named) ++count;
        return true;
    });
    return count;
}

// Whether the pattern has an alternative at its top level ("|" outside every group).
bool HasTopLevelAlternative(std::string_view p) {
    int depth = 0;
    bool found = false;
    ForEachOperatorPosition(p, [&](std::size_t i) {
        depth += p[i] == '(' ? 1 : p[i] == ')' ? -1 : 0;
        found = p[i] == '|' && depth <= 0;
        return !found;
    });
    return found;
}

std::string CodePoint(unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", value);
    return buffer;
}

// A decimal escape outside a class, starting at the digits p[i...]; appends its PCRE2 form
// and returns the index after what it used.
std::size_t TranslateDecimalEscape(std::string_view p, std::size_t i, std::size_t groups,
                                   std::string& out) {
    std::size_t end = i;
    unsigned long value = 0;
    while (end < p.size() && IsDigit(p[end])) {
        value = std::min(value * 10 + static_cast<unsigned long>(p[end] - '0'), 100000ul);
        ++end;
    }
    if (value >= 1 && value <= groups) {
        out += "\\g{" + std::to_string(value) + "}";
        return end;
    }
    if (p[i] == '8' || p[i] == '9') {
        out += p[i];
        return i + 1;
    }
    // Legacy octal: up to three octal digits, at most 0377.
    unsigned code = 0;
    std::size_t used = i;
    while (used < p.size() && used < i + 3 && p[used] >= '0' && p[used] <= '7' &&
           code * 8 + static_cast<unsigned>(p[used] - '0') <= 0377) {
        code = code * 8 + static_cast<unsigned>(p[used] - '0');
        ++used;
    }
    out += CodePoint(code);
    return used;
}

}  // namespace

std::string ToPcre2Syntax(std::string_view p, bool multiLine) {
    const std::size_t groups = CountGroups(p);
    std::string out;
    out.reserve(p.size() + 16);
    bool inClass = false;
    for (std::size_t i = 0; i < p.size();) {
        const char c = p[i];
        if (c == '\\' && i + 1 < p.size()) {
            const char e = p[i + 1];
            if (e == 's') {
                out += inClass ? "\\s" + std::string(kUnicodeSpaces)
                               : "[\\s" + std::string(kUnicodeSpaces) + "]";
            } else if (e == 'S' && !inClass) {
                out += "[^\\s" + std::string(kUnicodeSpaces) + "]";
            } else if (e == 'v') {
                out += "\\x0b";
            } else if (IsAsciiLetter(e) && !IsEcmaEscapeLetter(e, inClass)) {
                out += e;
            } else if (!inClass && IsDigit(e) && e != '0') {
                i = TranslateDecimalEscape(p, i + 1, groups, out);
                continue;
            } else {
                out += c;
                out += e;
            }
            i += 2;
            continue;
        }
        if (inClass) {
            inClass = c != ']';
        } else if (c == '[') {
            inClass = true;
        } else if (c == '^' && multiLine) {
            out += kLineStart;
            ++i;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

std::size_t LiteralPrefixLength(std::string_view p) {
    if (HasTopLevelAlternative(p)) return 0;
    constexpr std::string_view kOperators = "\\^$.|()[]}";
    constexpr std::string_view kQuantifiers = "?*+{";
    std::size_t lastCharStart = 0;
    for (std::size_t i = 0; i < p.size();) {
        if (kQuantifiers.find(p[i]) != std::string_view::npos) return lastCharStart;
        if (kOperators.find(p[i]) != std::string_view::npos) return i;
        lastCharStart = i;
        do ++i;
        while (i < p.size() && (static_cast<unsigned char>(p[i]) & 0xC0) == 0x80);
    }
    return p.size();
}

}  // namespace dq::services
