#include "robots/robot_answer.h"

#include <gtest/gtest.h>

#include "support/case_name.h"

namespace dq::robots {
namespace {

struct AnswerCase {
    const char* name;
    long status;
    std::string body;
    bool accepted;
    std::string detail;
};

class ReadAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ReadAnswerTest, ReadsCodeAndMessage) {
    const AnswerCase& c = GetParam();
    const RobotAnswer answer = ReadAnswer(c.status, c.body);
    EXPECT_EQ(answer.accepted, c.accepted);
    EXPECT_EQ(answer.detail, c.detail);
}

INSTANTIATE_TEST_SUITE_P(
    Robots, ReadAnswerTest,
    ::testing::Values(
        AnswerCase{"WeComOk", 200, R"({"errcode":0,"errmsg":"ok"})", true, "errcode 0: ok"},
        AnswerCase{"WeComRefused", 200, R"({"errcode":93000,"errmsg":"invalid webhook url"})",
                   false, "errcode 93000: invalid webhook url"},
        AnswerCase{"DingTalkSignRefused", 200, R"({"errcode":310000,"errmsg":"sign not match"})",
                   false, "errcode 310000: sign not match"},
        AnswerCase{"FeishuOk", 200, R"({"code":0,"msg":"success","data":{}})", true,
                   "code 0: success"},
        AnswerCase{"FeishuRefused", 200, R"({"code":19021,"msg":"sign match fail"})", false,
                   "code 19021: sign match fail"},
        AnswerCase{"FeishuOlderForm", 200, R"({"StatusCode":0,"StatusMessage":"success"})", true,
                   "StatusCode 0: success"},
        AnswerCase{"CodeZeroButHttpError", 500, R"({"errcode":0,"errmsg":"ok"})", false,
                   "HTTP 500, errcode 0: ok"},
        AnswerCase{"CodeAsText", 200, R"({"errcode":"0"})", false, "HTTP 200: {\"errcode\":\"0\"}"},
        AnswerCase{"NotJson", 502, "<html>Bad Gateway</html>", false,
                   "HTTP 502: <html>Bad Gateway</html>"},
        AnswerCase{"EmptyBody", 200, "", false, "HTTP 200"}),
    testing::CaseName<AnswerCase>);

TEST(RobotAnswer, LongUnreadableAnswerQuotedWithoutCuttingACharacter) {
    std::string chinese;
    for (int i = 0; i < 100; ++i) chinese += "错";  // 3 bytes each
    const RobotAnswer answer = ReadAnswer(404, chinese);
    EXPECT_FALSE(answer.accepted);
    // 66 whole characters (198 bytes) fit in the 200 quoted bytes.
    std::string expected = "HTTP 404: ";
    for (int i = 0; i < 66; ++i) expected += "错";
    EXPECT_EQ(answer.detail, expected + "…");
}

}  // namespace
}  // namespace dq::robots
