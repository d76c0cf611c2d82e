// Rewrites an ECMAScript pattern (UTF-8) into PCRE2 syntax where the two dialects spell the
// same thing differently. The compile options in pcre2_pattern.cpp cover the rest.
//
// - With multi-line, `^` matches after every CR and every LF, also between the two of a CR LF
//   (PCRE2 treats CR LF as one line break there).
// - `\s` is the ECMAScript white space: ASCII spaces, the Unicode space separators (the
//   full-width space among them), U+2028, U+2029 and U+FEFF; `\S` outside a class is its
//   complement (inside a class `\S` keeps PCRE2's meaning, the complement of ASCII spaces).
// - An escaped letter without a meaning in ECMAScript stands for the letter itself (`\Q`, `\K`,
//   `\p` ... are PCRE2 operators); `\v` is the vertical tab, not a class.
// - `\N` with N above the number of groups is an octal character code (`\8`, `\9`: the digit).
#pragma once

#include <string>
#include <string_view>

namespace dq::services {

std::string ToPcre2Syntax(std::string_view ecmaPattern, bool multiLine);

// Byte length of the plain characters a pattern begins with, which every match must start
// with: no operator, escape or quantified character among them, and 0 when the pattern has an
// alternative at its top level.
std::size_t LiteralPrefixLength(std::string_view ecmaPattern);

}  // namespace dq::services
