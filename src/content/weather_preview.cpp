// The weather preview: fetch the city's page, keep it for the run, compose 编辑框_天气.
#include "content/weather.h"
#include "content/weather_controls.h"
#include "content/weather_fetch.h"

namespace dq {
namespace {

// Pemmik提示：先开启天气功能
constexpr std::string_view kWeatherIsOff =
    "Pemmik\xCC\xE1\xCA\xBE\xA3\xBA\xCF\xC8\xBF\xAA\xC6\xF4\xCC\xEC\xC6\xF8\xB9\xA6\xC4\xDC";
// Pemmik提示:还没选择城市呢？老铁！
constexpr std::string_view kNoCity =
    "Pemmik\xCC\xE1\xCA\xBE:\xBB\xB9\xC3\xBB\xD1\xA1\xD4\xF1\xB3\xC7\xCA\xD0\xC4\xD8\xA3\xBF"
    "\xC0\xCF\xCC\xFA\xA3\xA1";

}  // namespace

void WeatherPreview(Form& form, WorkbenchState& state, Messages& messages) {
    if (!form.checked(weather_controls::kWeatherOn)) {
        if (form.checked(weather_controls::kWeatherOff)) messages.show(Text(kWeatherIsOff));
        return;
    }
    if (form.text(weather_controls::kCity).empty()) {
        messages.show(Text(kNoCity));
        return;
    }
    state.weatherPage = FetchWeatherPage(form);

    // Each piece runs in this order so that their messages appear in this order.
    const Text header = WeatherHeader(form, state, messages);
    const Text week = WeatherWeekLine(state);
    const Text average = WeatherAverageText(state);
    const Text range = WeatherRangeLine(form, state);
    const Text detail = WeatherDetailLine(state, messages);
    form.setText(weather_controls::kWeatherBox,
                 header + WeatherSeparator() + week + average + range + detail);
}

}  // namespace dq
