// Posting to loopback fakes of the three robot services, reached under their real host names
// over TLS with a certificate the test trusts.
#include "robots/robot_post.h"


#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "robots/robot_message.h"
#include "robots/robot_signature.h"
#include "robots/robot_transport.h"
#include "support/loopback_site.h"
#include "robots/trusted_test_ca.h"
#include "web/fetch_limits.h"

namespace dq::robots {
namespace {

using dq::testing::CannedResponse;
using dq::testing::LoopbackSite;
using dq::testing::RecordedRequest;

constexpr char kWeCom[] = "https://qyapi.weixin.qq.com/cgi-bin/webhook/send?key=wk";
constexpr char kDingTalk[] = "https://oapi.dingtalk.com/robot/send?access_token=dt";
constexpr char kFeishu[] = "https://open.feishu.cn/open-apis/bot/v2/hook/fh";

CannedResponse Json(const std::string& body) { return CannedResponse::Ok(body, "application/json"); }

// The value of name in the query of a request target ("/a?x=1&y=2").
std::string QueryValue(const std::string& target, const std::string& name) {
    const std::size_t start = target.find(name + "=");
    if (start == std::string::npos) return {};
    const std::size_t from = start + name.size() + 1;
    return target.substr(from, target.find('&', from) - from);
}

class RobotPost : public ::testing::Test {
protected:
    RobotPost() {
        site.server.on("/cgi-bin/webhook/send", Json(R"({"errcode":0,"errmsg":"ok"})"));
        site.server.on("/robot/send", Json(R"({"errcode":0,"errmsg":"ok"})"));
        site.server.on("/open-apis/bot/v2/hook/fh", Json(R"({"code":0,"msg":"success","data":{}})"));
    }

    static RobotList Only(const Robot& robot) {
        RobotList robots;
        robots[0] = robot;
        return robots;
    }

    TrustedTestCa trustedCa;
    web::testing::ScopedFetchLimits limits{{std::chrono::milliseconds(2000), std::chrono::seconds(1)}};
    LoopbackSite site{"qyapi.weixin.qq.com", "oapi.dingtalk.com", "open.feishu.cn"};
};

TEST_F(RobotPost, WeComGetsALongBriefingAsOrderedJsonPiecesWithinTheLimit) {
    std::string briefing;
    for (int i = 1; i <= 200; ++i) briefing += std::to_string(i) + "、今日要闻：一条不短的新闻标题\r\n";
    const auto outcomes = PostText(Only({RobotKind::WeCom, kWeCom, "", true}), briefing, {});
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_TRUE(outcomes[0].delivered) << outcomes[0].detail;

    const std::vector<RecordedRequest> requests = site.server.requests();
    ASSERT_GT(requests.size(), 1u);
    EXPECT_EQ(outcomes[0].sent, static_cast<int>(requests.size()));
    std::string joined;
    for (const RecordedRequest& request : requests) {
        EXPECT_TRUE(request.secure);
        EXPECT_EQ(request.method, "POST");
        EXPECT_EQ(request.target, "/cgi-bin/webhook/send?key=wk");
        EXPECT_EQ(request.header("Content-Type"), "application/json");
        const auto body = nlohmann::json::parse(request.body);
        EXPECT_EQ(body["msgtype"], "text");
        const std::string content = body["text"]["content"];
        EXPECT_LE(content.size(), kWeComTextLimit);
        joined += (joined.empty() ? "" : "\n") + content;
    }
    EXPECT_TRUE(joined == ChatLines(briefing)) << "the pieces arrived out of order or incomplete";
}

TEST_F(RobotPost, DingTalkSignatureMatchesTheTimestampItCarries) {
    const auto outcomes = PostText(Only({RobotKind::DingTalk, kDingTalk, "SECding", true}), "早安", {});
    ASSERT_TRUE(outcomes[0].delivered) << outcomes[0].detail;
    const RecordedRequest request = site.server.lastRequest();
    EXPECT_EQ(QueryValue(request.target, "access_token"), "dt");
    const std::string timestamp = QueryValue(request.target, "timestamp");
    ASSERT_EQ(timestamp.size(), 13u);  // milliseconds
    EXPECT_EQ(QueryValue(request.target, "sign"),
              PercentEncode(HmacSha256Base64("SECding", timestamp + "\nSECding")));
    EXPECT_EQ(nlohmann::json::parse(request.body),
              nlohmann::json::parse(R"({"msgtype":"text","text":{"content":"早安"}})"));
}

TEST_F(RobotPost, FeishuSignatureInTheBodyMatchesItsTimestamp) {
    const auto outcomes = PostText(Only({RobotKind::Feishu, kFeishu, "fs", true}), "早安", {});
    ASSERT_TRUE(outcomes[0].delivered) << outcomes[0].detail;
    const auto body = nlohmann::json::parse(site.server.lastRequest().body);
    const std::string timestamp = body["timestamp"];
    ASSERT_EQ(timestamp.size(), 10u);  // seconds, as a string
    EXPECT_EQ(body["sign"], HmacSha256Base64(timestamp + "\nfs", ""));
    EXPECT_EQ(body["msg_type"], "text");
    EXPECT_EQ(body["content"]["text"], "早安");
}

TEST_F(RobotPost, ARefusalIsReportedWithTheRobotsMessageAndStopsThatRobotOnly) {
    site.server.on("/cgi-bin/webhook/send",
                   Json(R"({"errcode":93000,"errmsg":"invalid webhook url, hint: [x]"})"));
    RobotList robots;
    robots[0] = {RobotKind::WeCom, kWeCom, "", true};
    robots[2] = {RobotKind::Feishu, kFeishu, "", true};
    const std::string briefing(3 * kWeComTextLimit, 'x');  // three WeCom pieces
    const auto outcomes = PostText(robots, briefing, {});
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_FALSE(outcomes[0].delivered);
    EXPECT_EQ(outcomes[0].sent, 0);
    EXPECT_NE(outcomes[0].detail.find("errcode 93000: invalid webhook url"), std::string::npos);
    EXPECT_TRUE(outcomes[1].delivered);
    EXPECT_EQ(outcomes[1].slot, 2);
    // One refused WeCom post, no further pieces, then the Feishu post.
    EXPECT_EQ(site.server.requests().size(), 2u);
    EXPECT_FALSE(AllDelivered(outcomes));
    EXPECT_NE(OutcomeReport(outcomes).find("机器人1（企业微信）：没有发送。"), std::string::npos);
}

TEST_F(RobotPost, AnUntrustedCertificateIsRefusedBeforeAnythingIsSent) {
    testing::SetExtraTrustedCaFile("");
    const auto outcomes = PostText(Only({RobotKind::WeCom, kWeCom, "", true}), "早安", {});
    EXPECT_FALSE(outcomes[0].delivered);
    EXPECT_NE(outcomes[0].detail.find("没能送到"), std::string::npos) << outcomes[0].detail;
    EXPECT_TRUE(site.server.requests().empty());
}

TEST_F(RobotPost, ASilentRobotIsGivenUpWithinTheTimeOut) {
    site.server.on("/robot/send", CannedResponse::Silence());
    const auto outcomes = PostText(Only({RobotKind::DingTalk, kDingTalk, "", true}), "早安", {});
    EXPECT_FALSE(outcomes[0].delivered);
    EXPECT_NE(outcomes[0].detail.find("没能送到"), std::string::npos) << outcomes[0].detail;
    EXPECT_EQ(site.server.requests().size(), 1u);
}

TEST_F(RobotPost, AnUnroutedHostCannotBeReached) {
    const auto outcomes =
        PostText(Only({RobotKind::WeCom, "https://robot.invalid/send?key=1", "", true}), "早安", {});
    EXPECT_FALSE(outcomes[0].delivered);
    EXPECT_NE(outcomes[0].detail.find("没能送到"), std::string::npos) << outcomes[0].detail;
}

TEST_F(RobotPost, ABriefingNeedingMoreThanTheMinutesShareIsNotSentAtAll) {
    const std::string briefing((kMessagesPerMinute + 1) * kWeComTextLimit, 'x');
    const auto outcomes = PostText(Only({RobotKind::WeCom, kWeCom, "", true}), briefing, {});
    EXPECT_FALSE(outcomes[0].delivered);
    EXPECT_EQ(outcomes[0].total, kMessagesPerMinute + 1);
    EXPECT_NE(outcomes[0].detail.find("每分钟 20 条"), std::string::npos);
    EXPECT_TRUE(site.server.requests().empty());
}

TEST_F(RobotPost, PicturesGoToWeComAsBase64WithTheMd5OfTheRawBytes) {
    RobotList robots;
    robots[0] = {RobotKind::WeCom, kWeCom, "", true};
    robots[1] = {RobotKind::DingTalk, kDingTalk, "", true};
    const std::string jpeg("\xFF\xD8\xFF\xE0picture\xFF\xD9", 13);
    const auto outcomes = PostPicture(robots, jpeg, {});
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_TRUE(outcomes[0].delivered) << outcomes[0].detail;
    EXPECT_FALSE(outcomes[1].delivered);
    ASSERT_EQ(site.server.requests().size(), 1u);
    const auto body = nlohmann::json::parse(site.server.lastRequest().body);
    EXPECT_EQ(body["msgtype"], "image");
    EXPECT_EQ(body["image"]["base64"], Base64(jpeg));
    EXPECT_EQ(body["image"]["md5"], Md5Hex(jpeg));

    const auto tooLarge = PostPicture(robots, std::string(kWeComImageLimit + 1, 'x'), {});
    EXPECT_FALSE(tooLarge[0].delivered);
    EXPECT_EQ(site.server.requests().size(), 1u);
}

}  // namespace
}  // namespace dq::robots
