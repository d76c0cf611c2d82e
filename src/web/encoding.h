// Conversions between GBK Text, UTF-8 and UTF-16LE, byte for byte as Windows code page 936
// does them: a question mark for every character GBK lacks and for malformed input, never cut
// short, and every input ends at its first NUL (its first zero unit for UTF-16).
#pragma once

#include <optional>

#include "web/text.h"

namespace dq {

// UTF-8 bytes (held in a Text) to GBK Text.
Text Utf8ToAnsi(std::string_view utf8);

// Utf8ToAnsi, also telling whether AnsiToUtf8 of the result gives utf8 (up to its first NUL)
// back byte for byte: true when every character has a GBK form that decodes to the character
// itself; false after a question mark for a character GBK lacks, a character GBK only
// approximates, or malformed input.
Text Utf8ToAnsi(std::string_view utf8, bool& comesBack);

// GBK Text to UTF-8 bytes (held in a Text).
Text AnsiToUtf8(std::string_view ansi);

// GBK Text to UTF-16LE Bytes, with one terminating zero unit unless leaveTerminatorOff.
// Empty Text gives empty Bytes whatever the flag.
Bytes AnsiToUtf16(std::string_view ansi, bool leaveTerminatorOff = false);

// UTF-16LE Bytes to GBK Text: an odd last byte is ignored, the text ends at the first zero
// unit, and a base letter followed by combining marks becomes the precomposed letter where
// GBK has one.
Text Utf16ToAnsi(std::string_view utf16le);

// Bytes in the character set named charset (any name or alias ICU knows: "utf-8", "big5",
// "GBK", "iso-8859-1" ...) to GBK Text, a question mark for what GBK lacks; the bytes end at
// their first NUL. A leading UTF-8 byte order mark is a signature, not text, and is dropped.
// nullopt when the name is empty or names no set ICU knows.
std::optional<Text> CharsetToAnsi(std::string_view bytes, std::string_view charset);

}  // namespace dq
