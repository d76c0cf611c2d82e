// dawnquill --generate --post: the written briefing posted to the enabled group robots, which
// are loopback fakes under the services' real host names over TLS with a trusted test CA.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <nlohmann/json.hpp>

#include "robots/robot_settings.h"
#include "robots/trusted_test_ca.h"
#include "unattended/exit_status.h"
#include "unattended/generate_fixture.h"
#include "unattended/generate_run.h"
#include "web/encoding.h"

namespace dq {
namespace {

namespace fs = std::filesystem;
using robots::Robot;
using robots::RobotKind;
using testing::CannedResponse;
using testing::PortalSource;
using testing::ReadBytes;

constexpr char kWeComHost[] = "qyapi.weixin.qq.com";
constexpr char kDingTalkHost[] = "oapi.dingtalk.com";

const Robot kAcceptingWeCom{RobotKind::WeCom, "https://qyapi.weixin.qq.com/cgi-bin/webhook/send?key=k",
                            "", true};
const Robot kRefusingDingTalk{RobotKind::DingTalk,
                              "https://oapi.dingtalk.com/robot/send?access_token=t", "SECx", true};
// open.feishu.cn is not routed: with the loopback routes in place it cannot be reached.
const Robot kUnreachableFeishu{RobotKind::Feishu, "https://open.feishu.cn/open-apis/bot/v2/hook/h",
                               "", true};

class GeneratePostTest : public ::testing::Test, public testing::GenerateFixture {
protected:
    GeneratePostTest() {
        site.route(kWeComHost);
        site.route(kDingTalkHost);
        site.server.on(kWeComHost, "/cgi-bin/webhook/send",
                       CannedResponse::Ok(R"({"errcode":0,"errmsg":"ok"})", "application/json"));
        site.server.on(kDingTalkHost, "/robot/send",
                       CannedResponse::Ok(R"({"errcode":310000,"errmsg":"sign not match"})",
                                          "application/json"));
        writePresets(MorningPresets());
    }

    robots::TrustedTestCa trustedCa;
};

TEST_F(GeneratePostTest, TheStatusSaysWhetherEveryEnabledRobotTookTheBriefing) {
    struct Case {
        const char* name;
        std::vector<Robot> robots;
        bool post;
        bool newsBroken;
        bool outputBlocked;
        int status;
        int robotPosts;        // requests the robot hosts received
        const char* logged;    // a line of the post on standard error
    };
    const Case cases[] = {
        {"every robot accepts", {kAcceptingWeCom}, true, false, false, exit_status::kDone, 1,
         "机器人1（企业微信）：已发送，共 1 条消息。"},
        {"one robot refuses", {kAcceptingWeCom, kRefusingDingTalk}, true, false, false,
         exit_status::kNotPosted, 2, "机器人2（钉钉）：没有发送。消息被机器人拒绝：errcode 310000: sign not match"},
        {"one robot cannot be reached", {kUnreachableFeishu}, true, false, false,
         exit_status::kNotPosted, 0, "机器人1（飞书）：没有发送。消息没能送到："},
        {"no robot enabled", {}, true, false, false, exit_status::kDone, 0,
         "群机器人：没有启用的机器人，未发送。"},
        {"without --post nothing is posted", {kAcceptingWeCom}, false, false, false,
         exit_status::kDone, 0, ""},
        {"the unwritten file counts first, the group still gets the briefing",
         {kRefusingDingTalk}, true, false, true, exit_status::kNotWritten, 1, "机器人1（钉钉）：没有发送。"},
        {"a failed extraction counts before a refusal", {kRefusingDingTalk}, true, true, false,
         exit_status::kNewsFailed, 1, "机器人1（钉钉）：没有发送。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int postsBefore = requestsFor(kWeComHost) + requestsFor(kDingTalkHost);
        robots::RobotList list;
        for (std::size_t slot = 0; slot < c.robots.size(); ++slot) list[slot] = c.robots[slot];
        ASSERT_EQ(robots::SaveRobots(directory.path(), list), "");
        site.server.on(std::string(PortalSource().host), "/",
                       CannedResponse::Ok(c.newsBroken ? "<html>redesigned</html>" : NewsPage()));
        fs::remove_all(wxPath());
        if (c.outputBlocked) fs::create_directory(wxPath());  // in the way of every user's write

        std::ostringstream out, err;
        const GenerateOptions options{directory.path(), {}, false, c.post};
        EXPECT_EQ(RunGenerate(options, out, err), c.status) << err.str();
        EXPECT_EQ(requestsFor(kWeComHost) + requestsFor(kDingTalkHost) - postsBefore, c.robotPosts);
        EXPECT_NE(err.str().find(c.logged), std::string::npos) << err.str();
        EXPECT_EQ(err.str().find("机器人") != std::string::npos, c.post) << err.str();
        // A failed post never loses the briefing: wx.txt is written all the same.
        EXPECT_EQ(fs::is_regular_file(wxPath()), !c.outputBlocked);
    }
}

TEST_F(GeneratePostTest, TheRobotGetsTheBriefingThatWasWritten) {
    robots::RobotList list;
    list[0] = kAcceptingWeCom;
    ASSERT_EQ(robots::SaveRobots(directory.path(), list), "");
    std::ostringstream out, err;
    ASSERT_EQ(RunGenerate({directory.path(), {}, false, true}, out, err), exit_status::kDone)
        << err.str();
    ASSERT_EQ(requestsFor(kWeComHost), 1);
    const nlohmann::json body = nlohmann::json::parse(site.server.lastRequest().body);
    // The text the copy button would copy, which is what wx.txt holds, with LF line ends.
    const std::string written = AnsiToUtf8(text::ReplaceAll(ReadBytes(wxPath()), "\r\n", "\n"));
    EXPECT_EQ(body["msgtype"], "text");
    EXPECT_EQ(body["text"]["content"].get<std::string>(), written);
}

}  // namespace
}  // namespace dq
