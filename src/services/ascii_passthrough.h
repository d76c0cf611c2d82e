// GBK <-> UTF-8 conversions that copy ASCII runs straight through and hand only the runs of
// non-ASCII characters to the code page converter. Pages are mostly ASCII markup, so this
// keeps the per-call cost of the converter off the common path while giving exactly the bytes
// AnsiToUtf8 / Utf8ToAnsi would give for the whole text.
#pragma once

#include "web/text.h"

namespace dq::services {

// GBK Text to UTF-8, as AnsiToUtf8 does it.
Text AnsiToUtf8KeepingAscii(std::string_view ansi);

// UTF-8 to GBK Text, as Utf8ToAnsi does it.
Text Utf8ToAnsiKeepingAscii(std::string_view utf8);

}  // namespace dq::services
