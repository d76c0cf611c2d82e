// The weather preview: fetch the city's page, keep it for the run, compose 编辑框_天气.
#include "content/weather.h"
#include "content/weather_fetch.h"
#include "web/gbk_literal.h"
#include "workbench/control_names.h"
#include "workbench/message_texts.h"

namespace dq {
namespace {

using namespace dq::literals;

}  // namespace

void WeatherPreview(Form& form, WorkbenchState& state, Messages& messages) {
    if (!form.checked(controls::kWeatherOn)) {
        if (form.checked(controls::kWeatherOff)) messages.show("Pemmik提示：先开启天气功能"_gbk);
        return;
    }
    if (form.text(controls::kCity).empty()) {
        messages.show(messages::NoCity());
        return;
    }
    state.weatherPage = FetchWeatherPage(form);

    // Each piece runs in this order so that their messages appear in this order.
    const Text header = WeatherHeader(form, state, messages);
    const Text week = WeatherWeekLine(state);
    const Text average = WeatherAverageText(state);
    const Text range = WeatherRangeLine(form, state);
    const Text detail = WeatherDetailLine(state, messages);
    form.setText(controls::kWeatherBox,
                 header + WeatherSeparator() + week + average + range + detail);
}

}  // namespace dq
