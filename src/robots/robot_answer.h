// What a robot's answer says. WeCom and DingTalk answer {"errcode":0,"errmsg":"ok"}, Feishu
// {"code":0,"msg":"success"} (older Feishu robots {"StatusCode":0,"StatusMessage":"success"});
// any other code is a refusal with the service's message.
#pragma once

#include <string>
#include <string_view>

namespace dq::robots {

struct RobotAnswer {
    bool accepted = false;
    std::string detail;  // UTF-8: "errcode 93000: invalid webhook url", "HTTP 502: ...", ...
};

// The answer to one post: accepted only for a 2xx status whose JSON carries code 0.
RobotAnswer ReadAnswer(long httpStatus, std::string_view body);

}  // namespace dq::robots
