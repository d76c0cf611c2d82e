// The program-wide values that the content builders share for the whole run.
#pragma once

#include <cstdint>

#include "web/text.h"

namespace dq {

struct WorkbenchState {
    Text weatherPage;           // page of the last weather preview, already GBK
    std::int32_t newsCount = 0; // headlines a news preview produces
    Text quoteHeader;           // header line of the quote block
    // The chosen custom news source (CurrentCustomSource).
    Text sourceName;
    Text sourceUrl;
    Text sourcePattern;
};

}  // namespace dq
