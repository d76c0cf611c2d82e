// "发送到群" and the unattended post, over a form and loopback robot fakes.
#include "robots/post_briefing.h"

#include <sstream>

#include <gtest/gtest.h>

#include "robots/robot_settings.h"
#include "robots/robot_transport.h"
#include "support/fake_form.h"
#include "support/loopback_site.h"
#include "support/recording_messages.h"
#include "robots/trusted_test_ca.h"
#include "web/encoding.h"
#include "workbench/control_names.h"
#include "workbench/presets_temp_dir.h"

namespace dq::robots {
namespace {

using dq::testing::CannedResponse;

class PostBriefingTest : public ::testing::Test {
protected:
    PostBriefingTest() {
        site.server.on("/cgi-bin/webhook/send",
                       CannedResponse::Ok(R"({"errcode":0,"errmsg":"ok"})", "application/json"));
        site.server.on("/robot/send", CannedResponse::Ok(
                                          R"({"errcode":310000,"errmsg":"sign not match"})",
                                          "application/json"));
        form.setText(controls::kWeatherBox, Utf8ToAnsi("北京 晴\r\n"));
        form.setText(controls::kNewsBox, Utf8ToAnsi("1、新闻\r\n"));
    }

    void store(std::initializer_list<std::pair<int, Robot>> robots) {
        RobotList list;
        for (const auto& [slot, robot] : robots) list[static_cast<std::size_t>(slot)] = robot;
        ASSERT_EQ(SaveRobots(dir.path(), list), "");
    }

    std::string shownText(std::size_t index) const { return AnsiToUtf8(messages.shown.at(index).text); }

    TrustedTestCa trustedCa;
    dq::testing::LoopbackSite site{"qyapi.weixin.qq.com", "oapi.dingtalk.com"};
    dq::testing::TempDir dir;
    dq::testing::FakeForm form;
    dq::testing::RecordingMessages messages;
};

const Robot kWeComRobot{RobotKind::WeCom, "https://qyapi.weixin.qq.com/cgi-bin/webhook/send?key=k", "", true};
const Robot kDingTalkRobot{RobotKind::DingTalk, "https://oapi.dingtalk.com/robot/send?access_token=t",
                           "SECwrong", true};

TEST_F(PostBriefingTest, EachRobotsAnswerIsShownAndARefusalIsAnError) {
    store({{0, kWeComRobot}, {1, kDingTalkRobot}});
    PostBriefing(form, messages, dir.path(), {});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(shownText(0),
              "机器人1（企业微信）：已发送，共 1 条消息。\n"
              "机器人2（钉钉）：没有发送。消息被机器人拒绝：errcode 310000: sign not match");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages.successWindows, 0);
    // The briefing is what the copy button would copy, and it stays in the boxes.
    EXPECT_NE(site.server.requests().at(0).body.find("北京 晴\\n1、新闻\\n"), std::string::npos);
    EXPECT_EQ(AnsiToUtf8(form.text(controls::kNewsBox)), "1、新闻\r\n");
}

TEST_F(PostBriefingTest, AllDeliveredIsShownAsInformation) {
    store({{2, kWeComRobot}});
    PostBriefing(form, messages, dir.path(), {});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(shownText(0), "机器人3（企业微信）：已发送，共 1 条消息。");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
}

TEST_F(PostBriefingTest, NothingIsPostedWithoutABriefingOrWithoutAnEnabledRobot) {
    Robot off = kWeComRobot;
    off.enabled = false;
    store({{0, off}});
    PostBriefing(form, messages, dir.path(), {});
    form.setText(controls::kWeatherBox, Text{});
    form.setText(controls::kNewsBox, Utf8ToAnsi("  "));
    store({{0, kWeComRobot}});
    PostBriefing(form, messages, dir.path(), {});
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(shownText(0), "还没有启用的群机器人：请先在菜单“工具 → 群机器人”里填写地址并启用。");
    EXPECT_EQ(shownText(1), "还没有可以发送的晨报：请先预览或一键生成。");
    EXPECT_TRUE(site.server.requests().empty());
}

TEST_F(PostBriefingTest, UnattendedPostLogsEachRobotAndFailsOnARefusal) {
    std::ostringstream log;
    store({{0, kWeComRobot}});
    EXPECT_TRUE(PostBriefingUnattended(Utf8ToAnsi("早安"), dir.path(), log));
    store({{0, kWeComRobot}, {1, kDingTalkRobot}});
    EXPECT_FALSE(PostBriefingUnattended(Utf8ToAnsi("早安"), dir.path(), log));
    EXPECT_NE(log.str().find("机器人2（钉钉）：没有发送。"), std::string::npos) << log.str();
}

}  // namespace
}  // namespace dq::robots
