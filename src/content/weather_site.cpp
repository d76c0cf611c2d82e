// Where the weather site lives and how its city pages are addressed.
#include "content/weather.h"

namespace dq {

const std::string_view kWeatherSiteBase = "https://www.tianqi.com/";
const std::string_view kWeatherSiteHost = "www.tianqi.com";

Text WeatherPageAddress(std::string_view slug) {
    Text address(kWeatherSiteBase);
    address += slug;
    address += "/";
    return address;
}

Text WeatherLifePageAddress(std::string_view slug) {
    Text address(kWeatherSiteBase);
    address += slug;
    address += "/life.html";
    return address;
}

}  // namespace dq
