// The signatures and digests of robot posts, from OpenSSL:
//   DingTalk signs the address: "&timestamp=<ms>&sign=<urlencode(base64(HMAC-SHA256(key =
//   secret, message = timestamp + "\n" + secret)))>" is appended to it.
//   Feishu signs the body: "timestamp" (seconds, as a string) and "sign" = base64(HMAC-SHA256
//   keyed with timestamp + "\n" + secret over an empty message).
// (open.dingtalk.com "自定义机器人安全设置 / 加签"; open.feishu.cn "自定义机器人使用指南 /
// 签名校验".)
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace dq::robots {

std::string Base64(std::string_view bytes);
std::string Md5Hex(std::string_view bytes);  // lower-case hex
// base64 of HMAC-SHA256(key, message).
std::string HmacSha256Base64(std::string_view key, std::string_view message);
// Every byte but the unreserved ones (letters, digits, "-._~") as %XX (libcurl's escape).
std::string PercentEncode(std::string_view text);

// webhook with DingTalk's timestamp and sign parameters appended.
std::string DingTalkSignedAddress(const std::string& webhook, const std::string& secret,
                                  std::int64_t milliseconds);

// message with Feishu's "timestamp" and "sign" members put first.
nlohmann::ordered_json FeishuSigned(const nlohmann::ordered_json& message,
                                    const std::string& secret, std::int64_t seconds);

}  // namespace dq::robots
