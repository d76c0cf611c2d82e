#include "robots/robot_post.h"

#include <chrono>

#include "robots/robot_answer.h"
#include "robots/robot_message.h"
#include "robots/robot_signature.h"
#include "robots/robot_transport.h"

namespace dq::robots {
namespace {

std::int64_t NowSince1970(bool milliseconds) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return milliseconds ? std::chrono::duration_cast<std::chrono::milliseconds>(now).count()
                        : std::chrono::duration_cast<std::chrono::seconds>(now).count();
}

// Where and what one message goes out as: signed when the robot has a secret.
struct SignedPost {
    std::string address;
    std::string body;
};

SignedPost Sign(const Robot& robot, const nlohmann::ordered_json& message) {
    if (robot.secret.empty() || !KindSigns(robot.kind)) return {robot.webhook, BodyText(message)};
    if (robot.kind == RobotKind::DingTalk)
        return {DingTalkSignedAddress(robot.webhook, robot.secret, NowSince1970(true)),
                BodyText(message)};
    return {robot.webhook, BodyText(FeishuSigned(message, robot.secret, NowSince1970(false)))};
}

// Sends messages to robot in order, stopping at the first that is not accepted.
RobotOutcome Deliver(const Robot& robot, int slot,
                     const std::vector<nlohmann::ordered_json>& messages,
                     const PostSettings& settings) {
    RobotOutcome outcome;
    outcome.slot = slot;
    outcome.kind = robot.kind;
    outcome.total = static_cast<int>(messages.size());
    if (const std::string problem = RobotProblem(robot); !problem.empty()) {
        outcome.detail = problem;
        return outcome;
    }
    if (robot.kind != RobotKind::Feishu && outcome.total > kMessagesPerMinute) {
        outcome.detail = "晨报太长：要分成 " + std::to_string(outcome.total) +
                         " 条消息，超过了机器人每分钟 " + std::to_string(kMessagesPerMinute) +
                         " 条的上限，没有发送。";
        return outcome;
    }
    for (const nlohmann::ordered_json& message : messages) {
        const SignedPost post = Sign(robot, message);
        const PostAttempt attempt = PostJson(post.address, post.body, settings.whileWaiting);
        const std::string part = outcome.total > 1 ? "第 " + std::to_string(outcome.sent + 1) +
                                                         "/" + std::to_string(outcome.total) +
                                                         " 条消息"
                                                   : std::string("消息");
        if (!attempt.reached) {
            outcome.detail = part + "没能送到：" + attempt.failure;
            return outcome;
        }
        const RobotAnswer answer = ReadAnswer(attempt.status, attempt.body);
        if (!answer.accepted) {
            outcome.detail = part + "被机器人拒绝：" + answer.detail;
            return outcome;
        }
        ++outcome.sent;
    }
    outcome.delivered = true;
    return outcome;
}

template <typename MessagesFor>
std::vector<RobotOutcome> PostEach(const RobotList& robots, MessagesFor messagesFor) {
    std::vector<RobotOutcome> outcomes;
    for (int slot = 0; slot < kRobotSlots; ++slot) {
        const Robot& robot = robots[static_cast<std::size_t>(slot)];
        if (robot.enabled) outcomes.push_back(messagesFor(robot, slot));
    }
    return outcomes;
}

}  // namespace

std::vector<RobotOutcome> PostText(const RobotList& robots, std::string_view utf8,
                                   const PostSettings& settings) {
    return PostEach(robots, [&](const Robot& robot, int slot) {
        std::vector<nlohmann::ordered_json> messages;
        for (const std::string& text : MessageTexts(robot.kind, utf8))
            messages.push_back(TextMessage(robot.kind, text));
        return Deliver(robot, slot, messages, settings);
    });
}

std::vector<RobotOutcome> PostPicture(const RobotList& robots, std::string_view jpeg,
                                      const PostSettings& settings) {
    return PostEach(robots, [&](const Robot& robot, int slot) {
        RobotOutcome outcome;
        outcome.slot = slot;
        outcome.kind = robot.kind;
        outcome.total = 1;
        if (robot.kind != RobotKind::WeCom) {
            outcome.detail = "这种机器人不能直接接收图片，没有发送。";
            return outcome;
        }
        if (jpeg.size() > kWeComImageLimit) {
            outcome.detail = "图片超过 2 MB，机器人不接收，没有发送。";
            return outcome;
        }
        return Deliver(robot, slot, {WeComImageMessage(jpeg)}, settings);
    });
}

bool AllDelivered(const std::vector<RobotOutcome>& outcomes) {
    for (const RobotOutcome& outcome : outcomes)
        if (!outcome.delivered) return false;
    return true;
}

std::string OutcomeReport(const std::vector<RobotOutcome>& outcomes) {
    std::string report;
    for (const RobotOutcome& outcome : outcomes) {
        if (!report.empty()) report += "\n";
        report += "机器人" + std::to_string(outcome.slot + 1) + "（" +
                  std::string(KindName(outcome.kind)) + "）：";
        if (outcome.delivered)
            report += "已发送，共 " + std::to_string(outcome.sent) + " 条消息。";
        else if (outcome.sent > 0)
            report += "只发出了 " + std::to_string(outcome.sent) + "/" +
                      std::to_string(outcome.total) + " 条；" + outcome.detail;
        else
            report += "没有发送。" + outcome.detail;
    }
    return report;
}

}  // namespace dq::robots
