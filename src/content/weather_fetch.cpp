#include "content/weather_fetch.h"

#include "content/weather.h"
#include "web/encoding.h"
#include "web/fetch.h"

namespace dq {

Bytes FetchWeatherPageBytes(const Form& form) { return WebFetch(WeatherPageAddress(CitySlug(form))); }

Text FetchWeatherPage(const Form& form) { return Utf8ToAnsi(FetchWeatherPageBytes(form)); }

}  // namespace dq
