#include "content/weather_fetch.h"

#include "content/weather.h"
#include "web/encoding.h"
#include "web/fetch.h"

namespace dq {

Text FetchWeatherPage(const Form& form) {
    return Utf8ToAnsi(WebFetch(WeatherPageAddress(CitySlug(form))));
}

}  // namespace dq
