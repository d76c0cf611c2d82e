// Fixture pages of the news tests and a short way to write GBK text in UTF-8 source.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "web/encoding.h"
#include "web/text.h"

namespace dq::testing {

// The GBK form of a UTF-8 literal.
inline Text Gbk(std::string_view utf8) { return Utf8ToAnsi(utf8); }

// The bytes of tests/content/fixtures/news/<name>, as stored.
inline Bytes NewsFixture(const std::string& name) {
    std::ifstream in(std::string(DQ_NEWS_FIXTURES) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "missing fixture " << name;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace dq::testing
