// The weather preview: fetch the city's page, keep it for the run, compose 编辑框_天气.
#include "content/weather.h"
#include "content/weather_fetch.h"
#include "web/encoding.h"
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
    // The page's UTF-8 is kept beside its GBK text for the detail pattern when decoding the
    // GBK text would give it back anyway, so it is matched on without that decoding.
    Bytes page = FetchWeatherPageBytes(form);
    bool comesBack = false;
    state.weatherPage = Utf8ToAnsi(page, comesBack);
    if (!comesBack) page = Bytes{};

    // Each piece runs in this order so that their messages appear in this order.
    const Text header = WeatherHeader(form, state, messages);
    const Text week = WeatherWeekLine(state);
    const Text average = WeatherAverageText(state);
    const Text range = WeatherRangeLine(form, state);
    const Text detail = WeatherDetailLine(
        services::GbkSubject::FromConverted(state.weatherPage, std::move(page), comesBack), messages);
    form.setText(controls::kWeatherBox,
                 header + WeatherSeparator() + week + average + range + detail);
}

}  // namespace dq
