#include <gtest/gtest.h>

#include "web/gbk_literal.h"

namespace dq {
namespace {

using namespace dq::literals;

TEST(GbkLiteral, GivesTheGbkBytesOfTheUtf8Source) {
    EXPECT_EQ("℃"_gbk, "\xA1\xE6");
    EXPECT_EQ("配置文件.ini"_gbk, "\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE.ini");
    EXPECT_EQ("plain ASCII"_gbk, "plain ASCII");
}

TEST(GbkLiteral, ConvertsOncePerLiteral) {
    const Text& first = "当前选择："_gbk;
    const Text& second = "当前选择："_gbk;
    EXPECT_EQ(&first, &second);
}

}  // namespace
}  // namespace dq
