#include "robots/robot_settings.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/case_name.h"
#include "workbench/presets_temp_dir.h"

namespace dq::robots {
namespace {

using dq::testing::ReadBytes;
using dq::testing::TempDir;
using dq::testing::WriteBytes;

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return 0;
    return info.st_mode & 07777;
}

RobotList ThreeRobots() {
    RobotList robots;
    robots[0] = {RobotKind::WeCom, "https://qyapi.weixin.qq.com/cgi-bin/webhook/send?key=k1", "", true};
    robots[1] = {RobotKind::DingTalk, "https://oapi.dingtalk.com/robot/send?access_token=t2",
                 "SECd2", false};
    robots[2] = {RobotKind::Feishu, "https://open.feishu.cn/open-apis/bot/v2/hook/h3", "fs3", true};
    return robots;
}

void ExpectSame(const RobotList& got, const RobotList& want) {
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        EXPECT_EQ(got[i].kind, want[i].kind);
        EXPECT_EQ(got[i].webhook, want[i].webhook);
        EXPECT_EQ(got[i].secret, want[i].secret);
        EXPECT_EQ(got[i].enabled, want[i].enabled);
    }
}

TEST(RobotSettings, MissingFileGivesThreeEmptySlotsThatAreOff) {
    TempDir dir;
    for (const Robot& robot : LoadRobots(dir.path())) {
        EXPECT_FALSE(robot.enabled);
        EXPECT_EQ(robot.webhook, "");
    }
}

TEST(RobotSettings, SavedRobotsComeBackInAPrivateFile) {
    TempDir dir;
    ASSERT_EQ(SaveRobots(dir.path(), ThreeRobots()), "");
    ExpectSame(LoadRobots(dir.path()), ThreeRobots());
    EXPECT_EQ(ModeOf(RobotFilePath(dir.path())), 0600u);
    EXPECT_EQ(RobotFilePath(dir.path()), dir.path() + "/群机器人.ini");
}

TEST(RobotSettings, AReadableOldFileBecomesPrivateAndKeepsForeignLines) {
    TempDir dir;
    const std::string path = RobotFilePath(dir.path());
    WriteBytes(path, "; my note\r\n[robot2]\r\nkind=dingtalk\r\n");
    ::chmod(path.c_str(), 0644);
    ASSERT_EQ(SaveRobots(dir.path(), ThreeRobots()), "");
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(ReadBytes(path).rfind("; my note\r\n", 0), 0u);
    ExpectSame(LoadRobots(dir.path()), ThreeRobots());
}

TEST(RobotSettings, WeComNeverKeepsASecret) {
    TempDir dir;
    RobotList robots = ThreeRobots();
    robots[0].secret = "stray";
    ASSERT_EQ(SaveRobots(dir.path(), robots), "");
    EXPECT_EQ(ReadBytes(RobotFilePath(dir.path())).find("stray"), std::string::npos);
    WriteBytes(RobotFilePath(dir.path()), "[robot1]\r\nkind=wecom\r\nsecret=typed\r\n");
    EXPECT_EQ(LoadRobots(dir.path())[0].secret, "");
}

struct ProblemCase {
    const char* name;
    Robot robot;
    bool refused;
};

class RobotProblemTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(RobotProblemTest, RefusesWhatCannotBeStoredOrPosted) {
    const ProblemCase& c = GetParam();
    EXPECT_EQ(!RobotProblem(c.robot).empty(), c.refused);
}

INSTANTIATE_TEST_SUITE_P(
    Robots, RobotProblemTest,
    ::testing::Values(
        ProblemCase{"EmptyAndOff", {RobotKind::WeCom, "", "", false}, false},
        ProblemCase{"Https", {RobotKind::WeCom, "https://h/x?key=1", "", true}, false},
        ProblemCase{"EnabledWithoutAddress", {RobotKind::WeCom, "", "", true}, true},
        ProblemCase{"PlainHttp", {RobotKind::DingTalk, "http://h/x", "", true}, true},
        ProblemCase{"SpaceInAddress", {RobotKind::WeCom, "https://h/ x", "", false}, true},
        ProblemCase{"LineBreakInSecret", {RobotKind::Feishu, "https://h/x", "a\r\nb", true}, true},
        ProblemCase{"ChineseInSecret", {RobotKind::Feishu, "https://h/x", "密钥", true}, true}),
    testing::CaseName<ProblemCase>);

TEST(RobotSettings, ARobotWithAProblemIsNotWrittenAndTheFileStays) {
    TempDir dir;
    ASSERT_EQ(SaveRobots(dir.path(), ThreeRobots()), "");
    const std::string before = ReadBytes(RobotFilePath(dir.path()));
    RobotList robots = ThreeRobots();
    robots[2].secret = "a\nb";
    EXPECT_EQ(SaveRobots(dir.path(), robots).rfind("机器人3：", 0), 0u);
    EXPECT_EQ(ReadBytes(RobotFilePath(dir.path())), before);
}

}  // namespace
}  // namespace dq::robots
