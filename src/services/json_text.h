// The compact JSON text of a value, as the short-link features expect it: no whitespace,
// members in the order they were parsed, strings with the escape set below, numbers in their
// shortest ECMAScript form, non-finite numbers as null.
//
// Escaped in strings: the double quote and the backslash; backspace, tab, line feed, form
// feed and carriage return as two-character escapes; every other control character and the
// characters U+007F-U+009F, U+00AD, U+0600-U+0604, U+070F, U+17B4, U+17B5, U+200C-U+200F,
// U+2028-U+202F, U+2060-U+206F, U+FEFF and U+FFF0-U+FFFF as "\u" and four lower-case hex
// digits. Every other character, Chinese included, is written as it is.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace dq::services {

// Appends the text of value (UTF-8) to out. Nesting of any depth is written without
// recursion, so a hostile document cannot exhaust the stack.
void AppendJsonText(const nlohmann::ordered_json& value, std::string& out);

}  // namespace dq::services
