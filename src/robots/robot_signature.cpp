#include "robots/robot_signature.h"

#include <curl/curl.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <cstdio>

namespace dq::robots {
namespace {

const unsigned char* Unsigned(std::string_view bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

std::string AsBytes(const unsigned char* data, unsigned length) {
    return {reinterpret_cast<const char*>(data), length};
}

}  // namespace

std::string Base64(std::string_view bytes) {
    std::string text(4 * ((bytes.size() + 2) / 3) + 1, '\0');  // EVP_EncodeBlock adds a NUL
    const int length = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()),
                                       Unsigned(bytes), static_cast<int>(bytes.size()));
    text.resize(length < 0 ? 0 : static_cast<std::size_t>(length));
    return text;
}

std::string Md5Hex(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr) != 1) return {};
    std::string hex;
    for (unsigned i = 0; i < length; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", digest[i]);
        hex += pair;
    }
    return hex;
}

std::string HmacSha256Base64(std::string_view key, std::string_view message) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    if (HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()), Unsigned(message),
             message.size(), digest, &length) == nullptr)
        return {};
    return Base64(AsBytes(digest, length));
}

std::string PercentEncode(std::string_view text) {
    char* escaped = curl_easy_escape(nullptr, text.data(), static_cast<int>(text.size()));
    if (escaped == nullptr) return {};
    std::string encoded(escaped);
    curl_free(escaped);
    return encoded;
}

std::string DingTalkSignedAddress(const std::string& webhook, const std::string& secret,
                                  std::int64_t milliseconds) {
    const std::string timestamp = std::to_string(milliseconds);
    const std::string sign = HmacSha256Base64(secret, timestamp + "\n" + secret);
    const char joint = webhook.find('?') == std::string::npos ? '?' : '&';
    return webhook + joint + "timestamp=" + timestamp + "&sign=" + PercentEncode(sign);
}

nlohmann::ordered_json FeishuSigned(const nlohmann::ordered_json& message,
                                    const std::string& secret, std::int64_t seconds) {
    const std::string timestamp = std::to_string(seconds);
    nlohmann::ordered_json signedMessage;
    signedMessage["timestamp"] = timestamp;
    signedMessage["sign"] = HmacSha256Base64(timestamp + "\n" + secret, "");
    for (const auto& [name, value] : message.items()) signedMessage[name] = value;
    return signedMessage;
}

}  // namespace dq::robots
