#include "robots/post_briefing.h"

#include "robots/robot_post.h"
#include "web/encoding.h"
#include "web/gbk_literal.h"
#include "workbench/briefing.h"

namespace dq::robots {
namespace {

using namespace dq::literals;

bool AnyEnabled(const RobotList& robots) {
    for (const Robot& robot : robots)
        if (robot.enabled) return true;
    return false;
}

// Shows what to do when no robot is enabled; true when one is.
bool AnyEnabledOrSay(const RobotList& robots, Messages& messages) {
    if (AnyEnabled(robots)) return true;
    messages.show("还没有启用的群机器人：请先在菜单“工具 → 群机器人”里填写地址并启用。"_gbk,
                  MessageIcon::Warning);
    return false;
}

void ShowOutcomes(const std::vector<RobotOutcome>& outcomes, Messages& messages) {
    messages.show(Utf8ToAnsi(OutcomeReport(outcomes)),
                  AllDelivered(outcomes) ? MessageIcon::Information : MessageIcon::Error);
}

}  // namespace

void PostBriefing(const Form& form, Messages& messages, const std::string& directory,
                  const std::function<void()>& whileWaiting) {
    const Text briefing = BriefingText(form);
    if (text::Trim(briefing).empty()) {
        messages.show("还没有可以发送的晨报：请先预览或一键生成。"_gbk, MessageIcon::Warning);
        return;
    }
    const RobotList robots = LoadRobots(directory);
    if (!AnyEnabledOrSay(robots, messages)) return;
    ShowOutcomes(PostText(robots, AnsiToUtf8(briefing), PostSettings{whileWaiting}), messages);
}

void PostPictureToGroup(std::string_view jpeg, Messages& messages, const std::string& directory,
                        const std::function<void()>& whileWaiting) {
    const RobotList robots = LoadRobots(directory);
    if (!AnyEnabledOrSay(robots, messages)) return;
    ShowOutcomes(PostPicture(robots, jpeg, PostSettings{whileWaiting}), messages);
}

bool PostBriefingUnattended(const Text& briefing, const std::string& directory, std::ostream& log) {
    const RobotList robots = LoadRobots(directory);
    if (!AnyEnabled(robots)) {
        log << "群机器人：没有启用的机器人，未发送。\n";
        return true;
    }
    const auto outcomes = PostText(robots, AnsiToUtf8(briefing), PostSettings{});
    log << OutcomeReport(outcomes) << "\n";
    return AllDelivered(outcomes);
}

}  // namespace dq::robots
