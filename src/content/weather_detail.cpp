// The "shidu" line: humidity, wind and the like, three bold items of one entry of the page.
#include "content/weather.h"
#include "services/regex_service.h"
#include "web/text_utils.h"

namespace dq {
namespace {

// <dd class=#引号shidu#引号><b>(.*?)</b><b>(.*?)</b><b>(.*?)</b></dd>
Text ShiduPattern() {
    Text pattern = "<dd class=";
    pattern += kQuotePlaceholder;
    pattern += "shidu";
    pattern += kQuotePlaceholder;
    pattern += "><b>(.*?)</b><b>(.*?)</b><b>(.*?)</b></dd>";
    return pattern;
}

// 请检查输入的地理位置是不是在地球上
constexpr std::string_view kNotOnEarth =
    "\xC7\xEB\xBC\xEC\xB2\xE9\xCA\xE4\xC8\xEB\xB5\xC4\xB5\xD8\xC0\xED\xCE\xBB\xD6\xC3\xCA\xC7"
    "\xB2\xBB\xCA\xC7\xD4\xDA\xB5\xD8\xC7\xF2\xC9\xCF";
constexpr std::string_view kExclamation = "\xA3\xA1";  // ！

}  // namespace

Text WeatherDetailLine(const WorkbenchState& state, Messages& messages) {
    RegexService regex;
    if (!regex.Create(ShiduPattern(), state.weatherPage, /*caseSensitive=*/false,
                      /*multiLine=*/false, /*global=*/true, /*replacePlaceholder=*/true)) {
        messages.show(Text(kNotOnEarth) + Text(kExclamation), MessageIcon::Error);
        return Text(kNotOnEarth);
    }
    if (regex.MatchCount() == 0) {
        messages.show(Text(kNotOnEarth), MessageIcon::Error);
        return Text(kNotOnEarth);
    }
    return regex.GroupText(1, 1) + regex.GroupText(1, 2) + regex.GroupText(1, 3) +
           WeatherSeparator();
}

}  // namespace dq
