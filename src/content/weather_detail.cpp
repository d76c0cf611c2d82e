// The "shidu" line: humidity, wind and the like, three bold items of one entry of the page.
#include "content/weather.h"
#include "services/regex_service.h"
#include "web/gbk_literal.h"
#include "web/text_utils.h"

namespace dq {
namespace {

// <dd class=#引号shidu#引号><b>(.*?)</b><b>(.*?)</b><b>(.*?)</b></dd>
Text ShiduPattern() {
    Text pattern = "<dd class=";
    pattern += QuotePlaceholder();
    pattern += "shidu";
    pattern += QuotePlaceholder();
    pattern += "><b>(.*?)</b><b>(.*?)</b><b>(.*?)</b></dd>";
    return pattern;
}

using namespace dq::literals;

const Text& NotOnEarth() { return "请检查输入的地理位置是不是在地球上"_gbk; }

}  // namespace

Text WeatherDetailLine(const WorkbenchState& state, Messages& messages) {
    return WeatherDetailLine(services::GbkSubject(state.weatherPage), messages);
}

Text WeatherDetailLine(services::GbkSubject page, Messages& messages) {
    RegexService regex;
    if (!regex.Create(ShiduPattern(), std::move(page), /*caseSensitive=*/false,
                      /*multiLine=*/false, /*global=*/true, /*replacePlaceholder=*/true)) {
        messages.show(NotOnEarth() + "！"_gbk, MessageIcon::Error);
        return NotOnEarth();
    }
    if (regex.MatchCount() == 0) {
        messages.show(NotOnEarth(), MessageIcon::Error);
        return NotOnEarth();
    }
    return regex.GroupText(1, 1) + regex.GroupText(1, 2) + regex.GroupText(1, 3) +
           WeatherSeparator();
}

}  // namespace dq
