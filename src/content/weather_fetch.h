// The one way the weather report reads the site: the city's weather page, as GBK Text.
#pragma once

#include "web/text.h"
#include "workbench/form.h"

namespace dq {

// Fetches the weather page of the city in 城镇 (slug computed anew) with a plain GET and
// converts it from UTF-8; empty Text when the fetch fails.
Text FetchWeatherPage(const Form& form);

}  // namespace dq
