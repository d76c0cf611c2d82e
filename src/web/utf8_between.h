// Cutting a piece out of a page that arrived in UTF-8 without converting the whole page.
#pragma once

#include "web/text.h"

namespace dq {

// TextBetween(Utf8ToAnsi(utf8), left, right), byte for byte, converting only the piece that
// is returned. Each marker must be ASCII without "?" and begin with a byte no character
// beyond ASCII converts to ('<', say). The markers are found in the UTF-8 as the GBK text's
// search would find them there: a run of non-ASCII bytes inside a marker counts as the bytes
// it converts to (a byte order mark or a zero-width space converts to none), and a marker
// right after a GBK form the search reads as half a character (the euro sign's one byte) is
// passed over.
Text Utf8TextBetween(std::string_view utf8, std::string_view left, std::string_view right);

}  // namespace dq
