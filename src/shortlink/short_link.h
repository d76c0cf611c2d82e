// The conversion of one news link into a short link through the short-link interface chosen
// in the main window.
#pragma once

#include "web/text.h"

namespace dq {

// The short link for link, or link unchanged when no usable interface is selected.
Text ShortenLink(const Text& link);

}  // namespace dq
