// The weather preview against the loopback stand-in for the weather site.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "content/weather.h"
#include "support/fake_form.h"
#include "support/loopback_site.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "web/text_utils.h"

namespace dq {
namespace {

using testing::CannedResponse;
using testing::FakeForm;
using testing::RecordingMessages;

std::string ReadFixture(const std::string& name) {
    std::ifstream file(std::string(DQ_WEATHER_FIXTURES) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const Text kSeparator = Utf8ToAnsi("\r\n━━━━━━━━━━━━━━\r\n");
const Text kNotOnEarth = Utf8ToAnsi("请检查输入的地理位置是不是在地球上");

class WeatherPreviewTest : public ::testing::Test {
protected:
    WeatherPreviewTest() {
        form.checks["单选框_天气开"] = true;
        form.checks["单选框_晨报默认头部"] = true;
        form.texts["城镇"] = Utf8ToAnsi("北京");
        form.texts["编辑框_天气"] = Utf8ToAnsi("Dawnquill头部");
    }

    void Serve(const std::string& path, const std::string& utf8Body) {
        site.server.on(std::string(kWeatherSiteHost), path, CannedResponse::Ok(utf8Body));
    }

    // Requests that reached the weather site for path.
    int RequestsFor(const std::string& path) const {
        int count = 0;
        for (const auto& request : site.server.requests())
            if (request.host() == kWeatherSiteHost && request.target == path &&
                request.method == "GET" && request.secure)
                ++count;
        return count;
    }

    testing::LoopbackSite site{{std::string(kWeatherSiteHost)}};
    FakeForm form;
    WorkbenchState state;
    RecordingMessages messages;
};

TEST_F(WeatherPreviewTest, ComposesTheWeatherTextFromTheCityPage) {
    Serve("/beijing/", ReadFixture("beijing.html"));

    WeatherPreview(form, state, messages);

    EXPECT_EQ(form.texts["编辑框_天气"], Utf8ToAnsi(ReadFixture("beijing_weather.txt")));
    EXPECT_EQ(state.weatherPage, Utf8ToAnsi(ReadFixture("beijing.html")));
    EXPECT_TRUE(messages.shown.empty());
}

// The range and detail lines are read from the page's UTF-8 where that gives the bytes the
// GBK text gives: checked against the pieces over the GBK text on pages whose text does not
// come back from GBK (a character GBK lacks, malformed bytes) or that put a character which
// converts to nothing or to one odd byte next to the markers.
TEST_F(WeatherPreviewTest, RangeAndDetailAsOverTheGbkText) {
    const std::string page = ReadFixture("beijing.html");
    const auto replaced = [&page](std::string_view what, const std::string& by) {
        std::string changed = page;
        changed.replace(changed.find(what), what.size(), by);
        return changed;
    };
    const std::string pages[] = {
        page,
        replaced("湿度：30%", "湿度😀：30%"),
        replaced("湿度：30%", "湿度\xE5\xA4：30%"),
        replaced("<span><b>晴", "\xE5\xA4<span><b>晴\xF0\x9F"),
        replaced("<span><b>晴", "€<span><b>晴</b>1℃</span><span><b>晴"),
        replaced("<span><b>晴", "<span>\xEF\xBB\xBF<b>晴"),
        replaced("-5 ~ 6℃</span>", "-5 ~ 6℃<\u200B/span>"),
    };
    for (const std::string& body : pages) {
        SCOPED_TRACE(body.substr(body.find("<dd class=\"weather\">"), 220));
        Serve("/beijing/", body);
        form.texts["编辑框_天气"] = Utf8ToAnsi("Dawnquill头部");
        WeatherPreview(form, state, messages);

        WorkbenchState overGbk;
        overGbk.weatherPage = Utf8ToAnsi(body);
        RecordingMessages pieceMessages;
        FakeForm headerForm = form;
        headerForm.texts["编辑框_天气"] = Utf8ToAnsi("Dawnquill头部");
        const Text range = TextBetween(TextBetween(overGbk.weatherPage, "<span><b>", "</span>"),
                                       "b>", Utf8ToAnsi("℃"));
        const Text expected =
            WeatherHeader(headerForm, overGbk, pieceMessages) + WeatherSeparator() +
            WeatherWeekLine(overGbk) + WeatherAverageText(overGbk) +
            TextBetween(overGbk.weatherPage, "<span><b>", "</b") + Utf8ToAnsi("\r\n最低最高：") +
            range + Utf8ToAnsi("℃\r\n") + WeatherDetailLine(overGbk, pieceMessages);
        EXPECT_EQ(form.texts["编辑框_天气"], expected);
        EXPECT_EQ(state.weatherPage, overGbk.weatherPage);
        EXPECT_EQ(messages.shown.size(), pieceMessages.shown.size());
        messages.shown.clear();
    }
}

TEST_F(WeatherPreviewTest, AnEmptyPageGivesTheEmptyPiecesAndTheLocationMessage) {
    Serve("/beijing/", "");

    WeatherPreview(form, state, messages);

    EXPECT_EQ(form.texts["编辑框_天气"],
              Utf8ToAnsi("北京早报") + kSeparator + "\r\n" + Utf8ToAnsi("平均气温：℃ ") + "\r\n" +
                  Utf8ToAnsi("最低最高：℃") + "\r\n" + kNotOnEarth);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kNotOnEarth);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
}

TEST_F(WeatherPreviewTest, ALatinCityAsksForTheBaseAddressAndFindsNothing) {
    form.texts["城镇"] = "Beijing";

    WeatherPreview(form, state, messages);

    EXPECT_EQ(RequestsFor("//"), 2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kNotOnEarth);
    EXPECT_EQ(form.texts["编辑框_天气"].substr(0, 9), "Beijing" + Utf8ToAnsi("早"));
}

TEST_F(WeatherPreviewTest, AnEmptyCustomHeaderIsReportedFirstAndTheTextStartsWithTheSeparator) {
    form.checks["单选框_晨报默认头部"] = false;
    form.checks["单选框_晨报自定义头部"] = true;
    Serve("/beijing/", "");

    WeatherPreview(form, state, messages);

    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, Utf8ToAnsi("Pemmik提示：自定义头部内容呢？老铁"));
    EXPECT_EQ(messages.shown[1].text, kNotOnEarth);
    EXPECT_EQ(form.texts["编辑框_天气"].substr(0, kSeparator.size()), kSeparator);
}

struct StopCase {
    const char* name;
    bool weatherOn;
    bool weatherOff;
    const char* cityUtf8;
    const char* messageUtf8;  // nullptr: nothing is shown
};

class WeatherPreviewStopTest : public WeatherPreviewTest,
                               public ::testing::WithParamInterface<StopCase> {};

TEST_P(WeatherPreviewStopTest, StopsBeforeFetchingAndLeavesTheBoxAlone) {
    const StopCase& c = GetParam();
    form.checks["单选框_天气开"] = c.weatherOn;
    form.checks["单选框_天气关"] = c.weatherOff;
    form.texts["城镇"] = Utf8ToAnsi(c.cityUtf8);
    state.weatherPage = "kept";

    WeatherPreview(form, state, messages);

    if (c.messageUtf8 == nullptr) {
        EXPECT_TRUE(messages.shown.empty());
    } else {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, Utf8ToAnsi(c.messageUtf8));
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    }
    EXPECT_TRUE(site.server.requests().empty());
    EXPECT_EQ(form.texts["编辑框_天气"], Utf8ToAnsi("Dawnquill头部"));
    EXPECT_EQ(state.weatherPage, "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Checks, WeatherPreviewStopTest,
    ::testing::Values(StopCase{"WeatherOff", false, true, "北京", "Pemmik提示：先开启天气功能"},
                      StopCase{"NeitherSwitch", false, false, "北京", nullptr},
                      StopCase{"WeatherOffAndNoCity", false, true, "", "Pemmik提示：先开启天气功能"},
                      StopCase{"NoCity", true, false, "", "Pemmik提示:还没选择城市呢？老铁！"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(WeatherPreviewTest, EachPreviewFetchesThePageTwice) {
    Serve("/beijing/", ReadFixture("beijing.html"));

    WeatherPreview(form, state, messages);
    WeatherPreview(form, state, messages);

    EXPECT_EQ(RequestsFor("/beijing/"), 4);
    EXPECT_EQ(site.server.requests().size(), 4u);
}

TEST_F(WeatherPreviewTest, EachPreviewReplacesTheKeptPage) {
    Serve("/beijing/", ReadFixture("beijing.html"));
    Serve("/chengdou/", "");
    WeatherPreview(form, state, messages);

    form.texts["城镇"] = Utf8ToAnsi("成都");
    WeatherPreview(form, state, messages);

    EXPECT_EQ(RequestsFor("/chengdou/"), 2);
    EXPECT_EQ(state.weatherPage, "");
}

TEST_F(WeatherPreviewTest, TheRangeComesFromAFreshFetchNotFromTheKeptPage) {
    Serve("/beijing/", "<span><b>晴</b>-5 ~ 6℃</span>");
    state.weatherPage = Utf8ToAnsi("<span><b>小雪</b>-9 ~ -2℃</span>");

    EXPECT_EQ(WeatherRangeLine(form, state),
              Utf8ToAnsi("小雪\r\n最低最高：-5 ~ 6℃\r\n"));
    EXPECT_EQ(RequestsFor("/beijing/"), 1);
}

}  // namespace
}  // namespace dq
