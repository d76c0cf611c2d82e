// The one way the weather report reads the site: the city's weather page, as GBK Text.
#pragma once

#include "web/text.h"
#include "workbench/form.h"

namespace dq {

// Fetches the weather page of the city in 城镇 (slug computed anew) with a plain GET: its
// UTF-8 bytes as they came; empty when the fetch fails.
Bytes FetchWeatherPageBytes(const Form& form);

// The same page converted from UTF-8.
Text FetchWeatherPage(const Form& form);

}  // namespace dq
