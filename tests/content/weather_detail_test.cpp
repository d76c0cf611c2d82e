#include <gtest/gtest.h>

#include "content/weather.h"
#include "support/recording_messages.h"
#include "web/encoding.h"

namespace dq {
namespace {

using testing::RecordingMessages;

struct DetailCase {
    const char* name;
    const char* pageUtf8;
    const char* lineUtf8;  // without the separator that follows a found entry
    bool found;
};

class WeatherDetailLineTest : public ::testing::TestWithParam<DetailCase> {};

TEST_P(WeatherDetailLineTest, RunsTheThreeItemsOfTheFirstEntryTogether) {
    const DetailCase& c = GetParam();
    WorkbenchState state;
    state.weatherPage = Utf8ToAnsi(c.pageUtf8);
    RecordingMessages messages;

    const Text line = WeatherDetailLine(state, messages);

    if (c.found) {
        EXPECT_EQ(line, Utf8ToAnsi(c.lineUtf8) + WeatherSeparator());
        EXPECT_TRUE(messages.shown.empty());
    } else {
        const Text notOnEarth = Utf8ToAnsi("请检查输入的地理位置是不是在地球上");
        EXPECT_EQ(line, notOnEarth);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, notOnEarth);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, WeatherDetailLineTest,
    ::testing::Values(
        DetailCase{"FirstOfTwo",
                   "<dd class=\"shidu\"><b>湿度：30%</b><b>风向：北风</b><b>紫外线：弱</b></dd>"
                   "<dd class=\"shidu\"><b>湿度：80%</b><b>风向：南风</b><b>紫外线：强</b></dd>",
                   "湿度：30%风向：北风紫外线：弱", true},
        DetailCase{"TagsInCapitals",
                   "<DD CLASS=\"shidu\"><B>湿度：30%</B><B></B><B>紫外线：弱</B></DD>",
                   "湿度：30%紫外线：弱", true},
        DetailCase{"ItemsAcrossLines",
                   "<dd class=\"shidu\"><b>湿度：\r\n30%</b><b>风向</b><b>紫外线</b></dd>", "",
                   false},
        DetailCase{"OnlyTwoItems", "<dd class=\"shidu\"><b>湿度：30%</b><b>风向：北风</b></dd>", "",
                   false},
        DetailCase{"EmptyPage", "", "", false}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace dq
