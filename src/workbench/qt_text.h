// The one crossing between GBK Text and the widgets' QString: every text that is read from or
// written to a widget passes through these two conversions.
#pragma once

#include <QString>
#include <string_view>

#include "web/text.h"

namespace dq {

// GBK Text to QString; the text ends at its first NUL byte, malformed bytes become "?".
QString ToQString(std::string_view text);

// QString to GBK Text; characters GBK lacks become "?", and the text ends at the first NUL.
Text TextFromQString(const QString& text);

}  // namespace dq
