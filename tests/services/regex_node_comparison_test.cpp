// Runs a table of patterns through RegexService and through JavaScript's RegExp (node) and
// expects the same matches, groups and match positions. Skipped where node is not installed.
#include "services/regex_service.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>

#include "gbk.h"
#include "support/command_output.h"

namespace dq {
namespace {

using testing::Gbk;

struct ComparisonCase {
    std::string pattern;  // UTF-8
    std::string subject;  // UTF-8
    bool ignoreCase = true;
    bool multiLine = true;
    bool global = true;
};

std::string JsFlags(const ComparisonCase& c) {
    return std::string(c.global ? "g" : "") + (c.ignoreCase ? "i" : "") + (c.multiLine ? "m" : "");
}

// The text as RegexService sees it: through GBK, where characters GBK lacks become "?".
std::string ThroughGbk(const std::string& utf8) { return AnsiToUtf8(Gbk(utf8)); }

// What node reports for every case, in the order of the cases.
nlohmann::json RunNode(const std::vector<ComparisonCase>& cases) {
    nlohmann::json input = nlohmann::json::array();
    for (const ComparisonCase& c : cases)
        input.push_back({{"pattern", ThroughGbk(c.pattern)},
                         {"subject", ThroughGbk(c.subject)},
                         {"flags", JsFlags(c)}});
    const auto path = std::filesystem::temp_directory_path() /
                      ("regex_cases_" + std::to_string(getpid()) + ".json");
    std::ofstream(path) << input.dump();
    const auto output = testing::CommandOutput("node " DQ_JS_REGEX_SCRIPT " " + path.string());
    std::filesystem::remove(path);
    if (!output) return {};
    return nlohmann::json::parse(*output);
}

void ExpectSameAsNode(const ComparisonCase& c, const nlohmann::json& node) {
    SCOPED_TRACE("pattern " + c.pattern + " flags " + JsFlags(c) + " subject " +
                 nlohmann::json(c.subject).dump());
    RegexService regex;
    const bool created = regex.Create(Gbk(c.pattern), Gbk(c.subject), !c.ignoreCase,
                                      c.multiLine, c.global);
    ASSERT_EQ(created, !node.contains("error")) << node.dump();
    if (!created) return;

    const auto& matches = node.at("matches");
    ASSERT_EQ(regex.MatchCount(), static_cast<int>(matches.size())) << node.dump();
    for (int i = 1; i <= regex.MatchCount(); ++i) {
        const auto& match = matches.at(static_cast<std::size_t>(i - 1));
        EXPECT_EQ(AnsiToUtf8(regex.MatchText(i)), match.at(0).get<std::string>());
        ASSERT_EQ(regex.GroupCount() + 1, static_cast<int>(match.size()));
        for (int j = 1; j <= regex.GroupCount(); ++j) {
            const auto& group = match.at(static_cast<std::size_t>(j));
            EXPECT_EQ(AnsiToUtf8(regex.GroupText(i, j)),
                      group.is_null() ? std::string() : group.get<std::string>())
                << "match " << i << " group " << j;
        }
    }
    EXPECT_EQ(AnsiToUtf8(regex.ReplaceMatches("<$&>")), node.at("replaced").get<std::string>());
}

const std::vector<ComparisonCase>& Cases() {
    static const std::vector<ComparisonCase> cases = {
        // line breaks: dot, ^ and $ with and without multi-line, CR, LF and CR LF
        {"a.b", "a\rb a\nb a\r\nb a-b"},
        {"^", "a\r\nb\rc\nd"},
        {"$", "a\r\nb\rc\nd"},
        {"^\\w*$", "ab\r\ncd\n\nef\r"},
        {"^\\w*$", "ab\r\ncd", true, false},
        {"x$", "x\nx\n", true, false},
        {"(?:^\r|\n$)", "\r\nhttp://新.cn/a\r\n"},
        {"(?:^\r|\n$)", "\rhttp://a.cn\n\r"},
        {".+", "一行\r二行\n三行"},
        // braces that are not repeats, empty classes, back references
        {"z={Array.m_sub_name}&pn=\\d", "z={Array.m_sub_name}&pn=1 z={Array.m_sub_name}&pn=x"},
        {"a{,2}|b{1,c}|{|}", "a{,2}b{1,c}{}"},
        {"\\d{2,}", "1 22 333"},
        {"a[]|[^]b", "ab\nb"},
        {"(?:(x)|y)\\1z", "yz xxz"},
        {"(a)|(b)", "ab"},
        {"(?<y>\\d{2})-\\k<y>", "12-12 12-13"},
        // empty matches step one character: Chinese characters included
        {"", "中文a"},
        {"x*", "中x文"},
        {"\\b", "ab 中 cd"},
        {"(?=文)", "中文文"},
        // case folding
        {"abc|ΑΒΓ|ДЖ", "ABC aBc αβγ дж"},
        {"abc", "ABC abc", false},
        {"[a-c]+", "xAbCx"},
        // characters, escapes and classes over GBK text
        {"[^<>]{1,3}", "<天气预报>"},
        {"\\w+", "ab_1中文x"},
        {"\\S+", "晴 转\t多云　有风\u00a0x"},
        {"[\\s,]+", "a　, b"},
        {"\\s*(.*?)\\s*</a>", "　 标题　</a>"},
        // escapes that are operators in PCRE2 but letters in ECMAScript, octal codes
        {"\\Q\\E\\K\\p\\R\\a", "QEKpRa"},
        {"[\\B\\p]+", "BpB"},
        {"a\\v|\\1|\\8|\\101|(b)\\1", "a\v \u0001 8 A bb"},
        {"\\u4e2d\\x41|\\x4", "中A x4"},
        {"<meta.+?charset=[^\\w]?([-\\w]+)", "<meta http-equiv=\"c\" content=\"text/html; charset=gb2312\">"},
        {"Plug/(.*?)\",", "\"Plug/新浪.json\",\"Plug/b.json\","},
        {"<h1>(.*?)</h1>[\\s|\\S]*?<a href=\"(.*?)\"><h1>",
         "<h1>头条</h1>\r\n<p>|</p>\n<a href=\"/a\"><h1><h1>二</h1><a href=\"/b\"><h1>"},
        {"<td class=\"al\"><a href=\"(.*?)\" target=\"_blank\" rel=\"nofollow\" "
         "itemid=\"\\d{1,8}\">(.*?)</a></td>",
         "<td class=\"al\"><a href=\"/1\" target=\"_blank\" rel=\"nofollow\" itemid=\"123\">新闻一</a></td>"
         "<td class=\"al\"><a href=\"/2\" target=\"_blank\" rel=\"nofollow\" itemid=\"123456789\">x</a></td>"},
        {"target=\"_blank\">(.*?)</a>   ", "target=\"_blank\">标题</a>   <"},
        // patterns that begin with plain characters, quantified or not
        {"中+x|y", "中中x y"},
        {"ab?c", "ac abc abbc"},
        {"a{2}b", "ab aab aaab"},
        {"x(a)|(b)", "xa b"},
        {"新闻", "新闻，新闻"},
        {"a.c\\d", "abc1 a中c2"},
        {"<a>]}", "<a>]}"},
        // first match only
        {"(\\d)(\\d)?", "12 3", true, true, false},
        {"$", "a\nb", true, true, false},
        // white space classes, empty iterations, class escapes beside a dash, large counts
        {"[\\S]+|[^\\S\n]+|[^\\s\\S]", "甲　乙 \n丙\u3000"},
        {"(|a)+|(?:|b)*|(c?)*", "aaa bb cc"},
        {"(a|)+x|(a?){2,}y", "aax aay"},
        {"[\\w-./:]+|[\\d-z]+", "http://a.cn/x-y.html 1-z"},
        {"a{0,70000}|\\k|\\c1|[\\c1\\c_]", "aa k \\c1 \u0011"},
        {"(?<n>a)\\k<n>|[\\cA-\\cZ]", "aa \u0001"},
        // invalid patterns
        {"(a", "a"},
        {"a)(b", "ab"},
        {"(?>a)|(?|a)|a++", "a"},
        {"a)", "a"},
        {"[b", "b"},
        {"*a", "a"},
    };
    return cases;
}

TEST(RegexServiceAgainstNode, SameMatchesGroupsAndPositions) {
    if (!testing::NodeAvailable()) GTEST_SKIP() << "node is not installed";
    const nlohmann::json node = RunNode(Cases());
    ASSERT_EQ(node.size(), Cases().size()) << "node did not answer for every case";
    for (std::size_t k = 0; k < Cases().size(); ++k) ExpectSameAsNode(Cases()[k], node[k]);
}

}  // namespace
}  // namespace dq
