// The JSON bodies the three chat services take from a group robot, written with nlohmann/json.
// Forms as the services document them for their custom group robots (webhook robots):
//   WeCom    {"msgtype":"text","text":{"content":…}}, content at most 2,048 bytes of UTF-8;
//            {"msgtype":"image","image":{"base64":…,"md5":…}}, the picture at most 2 MB
//            (developer.work.weixin.qq.com/document/path/99398, "群机器人配置说明")
//   DingTalk {"msgtype":"text","text":{"content":…}}
//            (open.dingtalk.com, "自定义机器人发送群消息")
//   Feishu   {"msg_type":"text","content":{"text":…}}, a body at most 20 KB
//            (open.feishu.cn/document, "自定义机器人使用指南")
// Every text here is UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "robots/robot_settings.h"

namespace dq::robots {

inline constexpr std::size_t kWeComTextLimit = 2048;           // bytes of UTF-8 per message
inline constexpr std::size_t kWeComImageLimit = 2u << 20;      // bytes of the raw picture
inline constexpr int kMessagesPerMinute = 20;                  // WeCom and DingTalk, per robot

// The briefing as the chat shows it: CR LF and lone CR line ends become LF.
std::string ChatLines(std::string_view utf8);

// text cut into pieces of at most limit bytes, in order: a piece ends at a line end when it
// can (the LF at the cut is dropped), and a line longer than limit is cut before the UTF-8
// character that would cross it. Empty text gives no pieces.
std::vector<std::string> SplitAtLines(std::string_view text, std::size_t limit);

// The texts of the messages the briefing (UTF-8) becomes for kind, with chat line ends: WeCom
// pieces of at most 2,048 bytes cut at line ends, one message for the others (none when empty).
std::vector<std::string> MessageTexts(RobotKind kind, std::string_view utf8);

// The text message of kind with content.
nlohmann::ordered_json TextMessage(RobotKind kind, const std::string& content);

// The WeCom picture message of the raw JPEG bytes: their base64 text and the md5 (lower-case
// hex) of the raw bytes.
nlohmann::ordered_json WeComImageMessage(std::string_view jpeg);

// The body as sent: compact JSON, UTF-8.
std::string BodyText(const nlohmann::ordered_json& message);

}  // namespace dq::robots
