#include "workbench/date_time_text.h"

#include <gtest/gtest.h>

#include "web/encoding.h"

namespace dq {
namespace {

TEST(DateTimeText, TimeGoesAsFarAsItsLastPartThatIsNotZero) {
    const struct {
        LocalDateTime moment;
        const char* text;
    } cases[] = {
        {{2026, 1, 5, 0, 0, 0}, "2026年1月5日"},
        {{2026, 12, 31, 8, 0, 0}, "2026年12月31日8时"},
        {{2026, 12, 31, 8, 30, 0}, "2026年12月31日8时30分"},
        {{2026, 12, 31, 8, 0, 5}, "2026年12月31日8时0分5秒"},
        {{2026, 3, 9, 0, 7, 0}, "2026年3月9日0时7分"},
        {{2026, 3, 9, 0, 0, 1}, "2026年3月9日0时0分1秒"},
    };
    for (const auto& c : cases) EXPECT_EQ(DateTimeText(c.moment), Utf8ToAnsi(c.text)) << c.text;
}

}  // namespace
}  // namespace dq
