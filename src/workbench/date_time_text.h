// The date-time-to-text form the program uses for the date of a custom news source and for
// the names of exported pictures: "2026年1月5日", followed by the time only as far as it is
// not zero ("8时", "8时30分", "8时30分5秒").
#pragma once

#include "web/text.h"

namespace dq {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The local date and time now.
LocalDateTime LocalNow();

// "%d年%d月%d日"; then "%d时%d分%d秒" when the seconds are not zero, else "%d时%d分" when the
// minutes are not zero, else "%d时" when the hour is not zero. Decimal, no leading zeros.
Text DateTimeText(const LocalDateTime& moment);

}  // namespace dq
