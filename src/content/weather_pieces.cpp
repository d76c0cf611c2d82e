// The pieces of the weather text that are cut out of the last weather page, and the header.
#include "content/weather.h"
#include "content/weather_texts.h"
#include "web/gbk_literal.h"
#include "web/text_utils.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using namespace dq::literals;
using weather_texts::Degrees;
using weather_texts::kLineEnd;

constexpr int kSeparatorRuleCount = 14;

// The opening of the description meta tag of the site's pages: <meta content="天气网（host）
Text HeaderLeftMarker() {
    Text marker = "<meta content=\"";
    marker += "天气网（"_gbk;
    marker += kWeatherSiteHost;
    marker += "）"_gbk;
    return marker;
}

}  // namespace

Text WeatherSeparator() {
    Text separator(kLineEnd);
    for (int i = 0; i < kSeparatorRuleCount; ++i) separator += "━"_gbk;
    separator += kLineEnd;
    return separator;
}

Text WeatherHeader(const Form& form, const WorkbenchState& state, Messages& messages) {
    if (form.checked(controls::kDefaultHeader)) {
        Text header = TextBetween(state.weatherPage, HeaderLeftMarker(), "天气预报"_gbk);
        header += form.text(controls::kCity);
        header += "早报"_gbk;
        return header;
    }
    Text custom = form.text(controls::kCustomHeader);
    if (custom.empty()) messages.show("Pemmik提示：自定义头部内容呢？老铁"_gbk);
    return custom;
}

Text WeatherWeekLine(const WorkbenchState& state) {
    return TextBetween(state.weatherPage, "d class=\"week\">", "</dd") + Text(kLineEnd);
}

Text WeatherAverageText(const WorkbenchState& state) {
    Text line = "平均气温："_gbk;
    line += TextBetween(state.weatherPage, "class=\"now\"><b>", "</b><i");
    line += Degrees();
    line += " ";
    return line;
}

}  // namespace dq
