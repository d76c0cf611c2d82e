// ToJsonText beside JavaScript's own JSON.stringify (node) over a table of documents whose
// texts both write alike: numbers above all, nesting, member order, the common escapes and
// Chinese text. (json2's extra escapes, U+007F and the listed ranges, node does not write,
// and node puts integer-like member names first; neither is in the table.) Skipped where
// node is not installed.
#include "services/json_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "support/command_output.h"
#include "web/encoding.h"

namespace dq {
namespace {

const std::vector<std::string> kDocuments = {
    "[0, -0, 1, -1, 0.5, 2.50, 100, 1e2, 1E+2, 1e-2, 123.456, -98.76e3]",
    "[1e20, 1e21, 1.5e21, 123456789012345678901, 999999999999999999999, 1e300, 1.7976931348623157e308]",
    "[1e-6, 1.5e-6, 1e-7, 1.234e-7, 5e-324, 2.2250738585072014e-308, 0.000123]",
    "[0.1, 0.2, 0.30000000000000004, 3.141592653589793, 2.718281828459045, 1.0000000000000002]",
    "[9007199254740991, 9007199254740992, 9007199254740993, 18446744073709551615, 18446744073709551616]",
    "[-9223372036854775808, -9223372036854775809, 4294967296, 1234567890123]",
    "[123456789012345678901234, 0.1e1, 10.0e-1, 25e-1, 7e22, 1.25e-5]",
    "{\"b\":{\"c\":[1,{\"d\":null}],\"a\":true},\"a\":false,\"e\":\"x\"}",
    "{\"Name\":\"新浪短网址\",\"Author\":\"早报\",\"Short API\":{\"Type\":\"POST\",\"Data\":\"u=$Url$\"}}",
    "[\"\\\"q\\\" \\\\ \\/ \\b\\t\\n\\f\\r \\u0000\\u0001\\u001f\"]",
    "[[], {}, [[]], {\"a\":{}}, \"\", null]",
};

TEST(JsonNodeComparison, CompactTextIsWhatJsonStringifyWrites) {
    if (!testing::NodeAvailable()) GTEST_SKIP() << "node is not installed";
    const auto path = std::filesystem::temp_directory_path() /
                      ("json_cases_" + std::to_string(getpid()) + ".txt");
    {
        std::ofstream out(path);
        for (const std::string& document : kDocuments) out << document << '\n';
    }
    const std::optional<std::string> output =
        testing::CommandOutput("node " DQ_JSON_STRINGIFY_SCRIPT " " + path.string());
    std::filesystem::remove(path);
    ASSERT_TRUE(output.has_value());

    std::vector<std::string> expected;
    std::size_t from = 0;
    for (std::size_t end; (end = output->find('\n', from)) != std::string::npos; from = end + 1)
        expected.push_back(output->substr(from, end - from));
    ASSERT_EQ(expected.size(), kDocuments.size());
    for (std::size_t i = 0; i < kDocuments.size(); ++i) {
        JsonReader reader;
        ASSERT_NE(reader.Parse(Utf8ToAnsi(kDocuments[i])), nullptr) << kDocuments[i];
        EXPECT_EQ(AnsiToUtf8(reader.ToJsonText()), expected[i]) << kDocuments[i];
    }
}

}  // namespace
}  // namespace dq
