// Posting the briefing (or a picture) to every enabled robot, one robot after another, and
// what each one answered. A robot whose briefing needs several messages gets them in order and
// stops at the first that is refused or cannot be delivered; nothing is counted as delivered
// that the robot did not accept.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "robots/robot_settings.h"

namespace dq::robots {

struct RobotOutcome {
    int slot = 0;           // 0-based
    RobotKind kind = RobotKind::WeCom;
    bool delivered = false;
    int sent = 0;           // messages the robot accepted
    int total = 0;          // messages the briefing needed
    std::string detail;     // UTF-8: why it was not delivered, empty when it was
};

struct PostSettings {
    std::function<void()> whileWaiting;  // a window's event pump; may be empty
};

// Posts the briefing text (UTF-8) to every enabled robot; one outcome per enabled robot.
std::vector<RobotOutcome> PostText(const RobotList& robots, std::string_view utf8,
                                   const PostSettings& settings);

// Posts the JPEG picture to every enabled robot that takes pictures this way (WeCom); others
// get an outcome saying they do not.
std::vector<RobotOutcome> PostPicture(const RobotList& robots, std::string_view jpeg,
                                      const PostSettings& settings);

// Whether every outcome was delivered.
bool AllDelivered(const std::vector<RobotOutcome>& outcomes);

// One line per outcome for the user (UTF-8, lines joined by "\n"), e.g.
// "机器人1（企业微信）：已发送，共 2 条消息。"
std::string OutcomeReport(const std::vector<RobotOutcome>& outcomes);

}  // namespace dq::robots
