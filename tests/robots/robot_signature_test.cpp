#include "robots/robot_signature.h"

#include <gtest/gtest.h>

namespace dq::robots {
namespace {

// Expected values computed independently (Python's hmac, base64 and urllib).

TEST(RobotSignature, HmacSha256Base64OfTheRfc4231Case) {
    EXPECT_EQ(HmacSha256Base64("Jefe", "what do ya want for nothing?"),
              "W9zBRr9gdU5qBCQmCJV1x1oAPwidJzmDnexYuWTsOEM=");
}

TEST(RobotSignature, DingTalkSignsTheAddressWithAnEncodedSign) {
    EXPECT_EQ(DingTalkSignedAddress("https://oapi.dingtalk.com/robot/send?access_token=T",
                                    "SECabc123", 1700000000000),
              "https://oapi.dingtalk.com/robot/send?access_token=T&timestamp=1700000000000"
              "&sign=N5P09a4%2Bp1AMJIJWnIvQd2Yxw9%2Bfu%2FoEBnPrjCcsLXk%3D");
    EXPECT_EQ(DingTalkSignedAddress("https://h/send", "SECabc123", 1700000000000).substr(0, 18),
              "https://h/send?tim");
}

TEST(RobotSignature, FeishuSignsTheBodyWithKeyTimestampAndSecret) {
    nlohmann::ordered_json message;
    message["msg_type"] = "text";
    message["content"]["text"] = "x";
    EXPECT_EQ(FeishuSigned(message, "fs-secret", 1700000000).dump(),
              R"({"timestamp":"1700000000","sign":"ognpFOmraex6LA29Ao14dsiNmmjE3YO4x5e/SX8n9Bw=",)"
              R"("msg_type":"text","content":{"text":"x"}})");
}

TEST(RobotSignature, Base64AndMd5OfEmptyAndBinaryInput) {
    EXPECT_EQ(Base64(""), "");
    EXPECT_EQ(Base64(std::string("\xFF\x00\x01", 3)), "/wAB");
    EXPECT_EQ(Md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
}

}  // namespace
}  // namespace dq::robots
