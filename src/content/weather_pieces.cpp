// The pieces of the weather text that are cut out of the last weather page, and the header.
#include "content/weather.h"
#include "content/weather_controls.h"
#include "content/weather_texts.h"
#include "web/text_utils.h"

namespace dq {
namespace {

using weather_texts::kDegrees;
using weather_texts::kLineEnd;

constexpr std::string_view kSeparatorRule = "\xA9\xA5";  // ━
constexpr int kSeparatorRuleCount = 14;

// The opening of the description meta tag of the site's pages: <meta content="天气网（host）
Text HeaderLeftMarker() {
    Text marker = "<meta content=\"";
    marker += "\xCC\xEC\xC6\xF8\xCD\xF8\xA3\xA8";  // 天气网（
    marker += kWeatherSiteHost;
    marker += "\xA3\xA9";  // ）
    return marker;
}

constexpr std::string_view kHeaderRightMarker = "\xCC\xEC\xC6\xF8\xD4\xA4\xB1\xA8";  // 天气预报
constexpr std::string_view kMorningReport = "\xD4\xE7\xB1\xA8";                     // 早报
// Pemmik提示：自定义头部内容呢？老铁
constexpr std::string_view kCustomHeaderMissing =
    "Pemmik\xCC\xE1\xCA\xBE\xA3\xBA\xD7\xD4\xB6\xA8\xD2\xE5\xCD\xB7\xB2\xBF\xC4\xDA\xC8\xDD\xC4"
    "\xD8\xA3\xBF\xC0\xCF\xCC\xFA";
constexpr std::string_view kAverageLabel = "\xC6\xBD\xBE\xF9\xC6\xF8\xCE\xC2\xA3\xBA";  // 平均气温：

}  // namespace

Text WeatherSeparator() {
    Text separator(kLineEnd);
    for (int i = 0; i < kSeparatorRuleCount; ++i) separator += kSeparatorRule;
    separator += kLineEnd;
    return separator;
}

Text WeatherHeader(const Form& form, const WorkbenchState& state, Messages& messages) {
    if (form.checked(weather_controls::kDefaultHeader)) {
        Text header = TextBetween(state.weatherPage, HeaderLeftMarker(), kHeaderRightMarker);
        header += form.text(weather_controls::kCity);
        header += kMorningReport;
        return header;
    }
    Text custom = form.text(weather_controls::kCustomHeader);
    if (custom.empty()) messages.show(Text(kCustomHeaderMissing));
    return custom;
}

Text WeatherWeekLine(const WorkbenchState& state) {
    return TextBetween(state.weatherPage, "d class=\"week\">", "</dd") + Text(kLineEnd);
}

Text WeatherAverageText(const WorkbenchState& state) {
    Text line(kAverageLabel);
    line += TextBetween(state.weatherPage, "class=\"now\"><b>", "</b><i");
    line += kDegrees;
    line += " ";
    return line;
}

}  // namespace dq
