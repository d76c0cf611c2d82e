// "发送到群": the briefing the copy button would copy, posted to every enabled group robot, with
// one message saying what each robot answered. The briefing stays in the boxes whatever
// happens.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "web/text.h"
#include "workbench/form.h"
#include "workbench/messages.h"

namespace dq::robots {

// 按钮_发送到群 clicked: posts the briefing of form to the robots stored in directory and
// shows the outcome (an error icon when any robot did not take it). whileWaiting runs while a
// post waits (the window's event pump).
void PostBriefing(const Form& form, Messages& messages, const std::string& directory,
                  const std::function<void()>& whileWaiting);

// The picture window's "发到群": the exported JPEG picture posted to every enabled robot that
// takes pictures, with one message saying what each robot answered.
void PostPictureToGroup(std::string_view jpeg, Messages& messages, const std::string& directory,
                        const std::function<void()>& whileWaiting);

// The unattended run's post of briefing (GBK) to the robots stored in directory: one line per
// robot on log (UTF-8). Returns false when any enabled robot refused or could not be reached.
bool PostBriefingUnattended(const Text& briefing, const std::string& directory, std::ostream& log);

}  // namespace dq::robots
