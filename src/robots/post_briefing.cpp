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

}  // namespace

void PostBriefing(const Form& form, Messages& messages, const std::string& directory,
                  const std::function<void()>& whileWaiting) {
    const Text briefing = BriefingText(form);
    if (text::Trim(briefing).empty()) {
        messages.show("还没有可以发送的晨报：请先预览或一键生成。"_gbk, MessageIcon::Warning);
        return;
    }
    const RobotList robots = LoadRobots(directory);
    if (!AnyEnabled(robots)) {
        messages.show("还没有启用的群机器人：请先在菜单“群机器人”里填写地址并启用。"_gbk,
                      MessageIcon::Warning);
        return;
    }
    const auto outcomes = PostText(robots, AnsiToUtf8(briefing), PostSettings{whileWaiting});
    messages.show(Utf8ToAnsi(OutcomeReport(outcomes)),
                  AllDelivered(outcomes) ? MessageIcon::Information : MessageIcon::Error);
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
