#include <gtest/gtest.h>

#include "content/weather.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::FakeForm;
using testing::RecordingMessages;

const Text kSeparator = Utf8ToAnsi("\r\n━━━━━━━━━━━━━━\r\n");
const Text kCustomHeaderMissing = Utf8ToAnsi("Pemmik提示：自定义头部内容呢？老铁");

TEST(WeatherSeparator, IsALineOfFourteenHeavyRules) {
    EXPECT_EQ(WeatherSeparator(), kSeparator);
}

struct HeaderCase {
    const char* name;
    bool defaultHeader;
    const char* customUtf8;
    const char* pageUtf8;
    const char* headerUtf8;
    bool complains;
};

class WeatherHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(WeatherHeaderTest, BuildsTheHeaderLine) {
    const HeaderCase& c = GetParam();
    FakeForm form;
    form.texts["城镇"] = Utf8ToAnsi("北京");
    form.texts["自定义头部"] = Utf8ToAnsi(c.customUtf8);
    form.checks["单选框_晨报默认头部"] = c.defaultHeader;
    WorkbenchState state;
    state.weatherPage = Utf8ToAnsi(c.pageUtf8);
    RecordingMessages messages;

    EXPECT_EQ(WeatherHeader(form, state, messages), Utf8ToAnsi(c.headerUtf8));
    if (c.complains) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, kCustomHeaderMissing);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    } else {
        EXPECT_TRUE(messages.shown.empty());
    }
}

constexpr const char* kDescribedPage =
    "<head><meta content=\"天气网（www.tianqi.com）提供2026年12月11日北京天气预报，"
    "天气预报一周\"></head>";

INSTANTIATE_TEST_SUITE_P(
    Choices, WeatherHeaderTest,
    ::testing::Values(
        HeaderCase{"DefaultFromPage", true, "", kDescribedPage, "提供2026年12月11日北京北京早报", false},
        HeaderCase{"DefaultWithoutMarker", true, "", "<html>北京天气预报</html>", "北京早报", false},
        // The marker's parentheses are full-width; ASCII ones do not match.
        HeaderCase{"DefaultAsciiParentheses", true, "",
                   "<meta content=\"天气网(www.tianqi.com)提供天气预报", "北京早报", false},
        HeaderCase{"Custom", false, "【早安】", kDescribedPage, "【早安】", false},
        HeaderCase{"CustomEmpty", false, "", kDescribedPage, "", true}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(WeatherOffStep, PutsHeaderAndSeparatorInTheWeatherBoxAndMovesTheNewsUp) {
    FakeForm form;
    form.texts["城镇"] = Utf8ToAnsi("北京");
    form.texts["编辑框_天气"] = Utf8ToAnsi("旧的天气");
    form.checks["单选框_晨报默认头部"] = true;
    RecordingMessages messages;

    WeatherOffStep(form, WorkbenchState{}, messages);

    EXPECT_EQ(form.texts["编辑框_天气"], Utf8ToAnsi("北京早报") + kSeparator);
    EXPECT_EQ(form.geometry["编辑框_新闻"].top, 45);
    EXPECT_EQ(form.geometry["编辑框_新闻"].height, 400);
    EXPECT_TRUE(form.visible(controls::kWeatherBox));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(WeatherOffStep, WithAnEmptyCustomHeaderComplainsAndLeavesOnlyTheSeparator) {
    FakeForm form;
    RecordingMessages messages;

    WeatherOffStep(form, WorkbenchState{}, messages);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kCustomHeaderMissing);
    EXPECT_EQ(form.texts["编辑框_天气"], kSeparator);
}

TEST(WeatherOnStep, ShowsTheWeatherBoxAndMovesTheNewsBackWithoutTouchingTheText) {
    FakeForm form;
    form.checks["单选框_晨报默认头部"] = true;
    form.texts["城镇"] = Utf8ToAnsi("北京");
    RecordingMessages messages;
    WeatherOffStep(form, WorkbenchState{}, messages);
    form.visibility["编辑框_天气"] = false;

    WeatherOnStep(form);

    EXPECT_TRUE(form.visible(controls::kWeatherBox));
    EXPECT_EQ(form.geometry["编辑框_新闻"].top, 146);
    EXPECT_EQ(form.geometry["编辑框_新闻"].height, 325);
    EXPECT_EQ(form.texts["编辑框_天气"], Utf8ToAnsi("北京早报") + kSeparator);
}

}  // namespace
}  // namespace dq
