#include "workbench/date_time_text.h"

#include <ctime>
#include <string>

#include "web/gbk_literal.h"

namespace dq {

using namespace dq::literals;

LocalDateTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

Text DateTimeText(const LocalDateTime& moment) {
    Text text = std::to_string(moment.year) + "年"_gbk + std::to_string(moment.month) + "月"_gbk +
                std::to_string(moment.day) + "日"_gbk;
    // The time goes as far as its last part that is not zero.
    if (moment.hour != 0 || moment.minute != 0 || moment.second != 0) {
        text += std::to_string(moment.hour) + "时"_gbk;
    }
    if (moment.minute != 0 || moment.second != 0) text += std::to_string(moment.minute) + "分"_gbk;
    if (moment.second != 0) text += std::to_string(moment.second) + "秒"_gbk;
    return text;
}

}  // namespace dq
