// Reads an ECMAScript pattern (UTF-8, no flags beyond i and m, the web-compatible grammar that
// browsers accept without the unicode flag) and writes the PCRE2 pattern that means the same.
// What ECMAScript rejects is rejected here, before PCRE2 sees it, so that PCRE2's own
// extensions ((?R), (?>...), possessive quantifiers, inline options, callouts, verbs...) are
// never reachable from a user's pattern.
//
// Where the two dialects differ, the PCRE2 form spells out the ECMAScript meaning:
// - With multi-line, `^` matches after every CR and every LF, also between the two of a CR LF
//   (PCRE2 treats CR LF as one line break there).
// - `\s` is the ECMAScript white space: ASCII spaces, the Unicode space separators (the
//   full-width space among them), U+2028, U+2029 and U+FEFF; `\S` is its complement, also
//   inside a class.
// - An escaped letter without a meaning in ECMAScript stands for the letter itself (`\Q`, `\K`,
//   `\p` ... are PCRE2 operators); `\v` is the vertical tab, not a class; `\k` is the letter k
//   unless the pattern names its groups; `\c` not followed by a letter is a backslash.
// - `\N` with N above the number of groups is an octal character code (`\8`, `\9`: the digit).
// - In a class, a class escape beside `-` (`[\w-.]`) is a union with the `-`, not a range.
// - `{` that does not open a bounded repeat, `}` and `]` are ordinary characters; repeat counts
//   above PCRE2's 65535 are split into repeats PCRE2 accepts.
// - A repeated group that can match the empty string does not stop at an empty iteration: an
//   iteration beyond the minimum count must consume characters, as in ECMAScript.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dq::services {

// The PCRE2 form of ecmaPattern, or nothing when ECMAScript rejects the pattern.
std::optional<std::string> ToPcre2Syntax(std::string_view ecmaPattern, bool multiLine);

}  // namespace dq::services
