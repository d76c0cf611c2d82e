// The group robots the briefing is posted to: up to three, each a chat service, its webhook
// address, the signing secret (DingTalk and Feishu only) and whether it is on. They live in
// 群机器人.ini beside the preset file, a file of its own because it carries secrets: it is
// written with mode 0600 and holds ASCII only (addresses and secrets are ASCII).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace dq::robots {

enum class RobotKind { WeCom, DingTalk, Feishu };

struct Robot {
    RobotKind kind = RobotKind::WeCom;
    std::string webhook;  // https://... as the chat service shows it
    std::string secret;   // empty: posts are not signed; never used for WeCom
    bool enabled = false;
};

inline constexpr int kRobotSlots = 3;
using RobotList = std::array<Robot, kRobotSlots>;

// The name the user sees for a kind: "企业微信", "钉钉", "飞书" (UTF-8).
std::string_view KindName(RobotKind kind);
// Whether robots of this kind sign their posts with a secret.
bool KindSigns(RobotKind kind);

// Where the robot file lives in directory.
std::string RobotFilePath(const std::string& directory);

// The robots stored in directory; slots the file lacks (or a missing file) are empty and off.
// A secret stored for a WeCom robot is dropped.
RobotList LoadRobots(const std::string& directory);

// Why robot cannot be stored as it stands (UTF-8, for the user), or empty when it can. An empty
// slot that is off is fine; an enabled one needs an https address; addresses and secrets must
// be printable ASCII without spaces.
std::string RobotProblem(const Robot& robot);

// Writes every slot to the robot file in directory (mode 0600), keeping lines of the file it
// does not own. Returns an empty string on success, else the reason (UTF-8); the file is then
// left as it was. Robots with a problem are not written: the first problem is returned.
std::string SaveRobots(const std::string& directory, const RobotList& robots);

}  // namespace dq::robots
