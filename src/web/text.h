// Text and Bytes, and the conventions every operation on Text follows.
//
// Text is a byte string in GBK (code page 936) that ends at its first NUL byte; a byte with its
// high bit set begins a two-byte character. Positions are 1-based byte positions; 0 means
// "not found". Searches step by whole characters, so a match never starts inside a Chinese
// character. Case folding touches ASCII letters only. Trimming removes ASCII spaces and the
// full-width space (A1 A1). This header is the one implementation of those rules.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dq {

using Text = std::string;   // GBK bytes, never holding a NUL
using Bytes = std::string;  // raw bytes (page bodies, file contents, UTF-16LE strings)

// The Text that a byte block stands for: the bytes up to, not including, the first NUL.
Text TextFromBytes(std::string_view bytes);
// The same, made from bytes no longer needed: cut in place instead of copied.
Text TextFromBytes(Bytes&& bytes);
inline Text TextFromBytes(const char* bytes) { return TextFromBytes(std::string_view(bytes)); }

namespace text {

// Position (1-based) of the first match of needle at or after start, stepping by whole
// characters; 0 when there is none or needle is empty. A start below 1 counts as 1.
std::size_t Find(std::string_view text, std::string_view needle, std::int64_t start = 1,
                 bool ignoreCase = false);

// Position (1-based) of the last character-aligned match of needle; 0 when there is none.
std::size_t FindLast(std::string_view text, std::string_view needle, bool ignoreCase = false);

// Pieces between separators: an empty piece between two adjacent separators or before a
// leading separator counts; an empty piece after a final separator does not; empty Text gives
// no pieces.
std::vector<Text> Split(std::string_view text, std::string_view separator);

// Number of character-aligned, non-overlapping occurrences of needle.
std::size_t Count(std::string_view text, std::string_view needle);

// Every non-overlapping occurrence of from (left to right) replaced by to.
Text ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                bool ignoreCase = false);

// Removes ASCII spaces and full-width spaces (A1 A1) from both ends; tabs, CR, LF stay.
Text Trim(std::string_view text);

// Clamped cuts: a count of zero or less gives empty Text; positions are 1-based.
Text Left(std::string_view text, std::int64_t count);
Text Right(std::string_view text, std::int64_t count);
Text Mid(std::string_view text, std::int64_t position, std::int64_t count);

// ASCII-only case changes; both bytes of a two-byte character stay as they are.
Text Upper(std::string_view text);
Text Lower(std::string_view text);

// Byte-exact or ASCII-case-blind equality.
bool Equal(std::string_view a, std::string_view b, bool ignoreCase = false);

// Leading decimal integer as the C library's atoi reads it (spaces, optional sign, digits);
// 0 when there are no digits. Saturates instead of overflowing.
std::int32_t ToInt(std::string_view text);

}  // namespace text
}  // namespace dq
