// The condition and temperature range line. The range is read from a fresh copy of the page
// on every call, never from the page kept by the last preview.
#include "content/weather.h"
#include "content/weather_fetch.h"
#include "content/weather_texts.h"
#include "web/text_utils.h"
#include "web/utf8_between.h"

namespace dq {
namespace {

using namespace dq::literals;
using weather_texts::Degrees;
using weather_texts::kLineEnd;

constexpr std::string_view kConditionStart = "<span><b>";

}  // namespace

Text WeatherRangeLine(const Form& form, const WorkbenchState& state) {
    const Text condition = TextBetween(state.weatherPage, kConditionStart, "</b");
    // "<span><b>晴</b>-5 ~ 6℃</span>": after the condition's closing tag up to the degree sign.
    // Only the span is converted from the fresh page's UTF-8, not the whole page.
    const Text span = Utf8TextBetween(FetchWeatherPageBytes(form), kConditionStart, "</span>");
    const Text range = TextBetween(span, "b>", Degrees());

    Text line = condition;
    line += kLineEnd;
    line += "最低最高："_gbk;
    line += range;
    line += Degrees();
    line += kLineEnd;
    return line;
}

}  // namespace dq
