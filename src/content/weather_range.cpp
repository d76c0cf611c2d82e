// The condition and temperature range line. The range is read from a fresh copy of the page
// on every call, never from the page kept by the last preview.
#include "content/weather.h"
#include "content/weather_fetch.h"
#include "content/weather_texts.h"
#include "web/text_utils.h"

namespace dq {
namespace {

using weather_texts::kDegrees;
using weather_texts::kLineEnd;

constexpr std::string_view kConditionStart = "<span><b>";
constexpr std::string_view kRangeLabel = "\xD7\xEE\xB5\xCD\xD7\xEE\xB8\xDF\xA3\xBA";  // 最低最高：

}  // namespace

Text WeatherRangeLine(const Form& form, const WorkbenchState& state) {
    const Text condition = TextBetween(state.weatherPage, kConditionStart, "</b");
    const Text freshPage = FetchWeatherPage(form);
    // "<span><b>晴</b>-5 ~ 6℃</span>": after the condition's closing tag up to the degree sign.
    const Text span = TextBetween(freshPage, kConditionStart, "</span>");
    const Text range = TextBetween(span, "b>", kDegrees);

    Text line = condition;
    line += kLineEnd;
    line += kRangeLabel;
    line += range;
    line += kDegrees;
    line += kLineEnd;
    return line;
}

}  // namespace dq
