// Percent-encoding, reading the short link out of an answer, and one link through the
// selected interface row against a loopback short-link service.
#include "shortlink/short_link.h"

#include <gtest/gtest.h>

#include "code_hosting_site.h"
#include "support/case_name.h"
#include "support/fake_form.h"
#include "web/encoding.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::CodeHostingSite;
using testing::FakeForm;

struct EncodeCase {
    const char* name;
    const char* text;  // UTF-8, encoded from its GBK form
    bool keepUnreserved;
    bool utf8First;
    const char* expected;
};

class Encode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Encode, EveryByte) {
    const EncodeCase& c = GetParam();
    EXPECT_EQ(PercentEncode(Utf8ToAnsi(c.text), c.keepUnreserved, c.utf8First), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ShortLink, Encode,
    ::testing::Values(EncodeCase{"LettersAndPunctuationToo", "/a", false, false, "%2F%61"},
                      EncodeCase{"Empty", "", false, false, ""},
                      EncodeCase{"GbkBytes", "中z", false, false, "%D6%D0%7A"},
                      EncodeCase{"LowBytesGetTheirZero", "\t\n", false, false, "%09%0A"},
                      EncodeCase{"UnreservedKept", "a-B.9/~", true, false, "a-B.9%2F%7E"},
                      EncodeCase{"Utf8First", "中", false, true, "%E4%B8%AD"}),
    testing::CaseName<EncodeCase>);

struct AnswerCase {
    const char* name;
    const char* answer;
    const char* expected;
};

class Answer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(Answer, GivesTheShortLink) {
    EXPECT_EQ(ShortLinkFromResponse(GetParam().answer), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ShortLink, Answer,
    ::testing::Values(
        AnswerCase{"ShortUrlInLowerCase", "{\"code\":0,\"shorturl\":\"https://t.cn/a\"}",
                   "https://t.cn/a"},
        AnswerCase{"TinyurlBeatsShortUrl", "{\"shortUrl\":\"S\",\"tinyurl\":\"T\"}", "T"},
        AnswerCase{"ParameterFirst", "{\"url\":\"U\",\"Parameter\":\"P\"}", "P"},
        AnswerCase{"UrlShortBeforeUrl", "{\"url\":\"U\",\"url_short\":\"US\"}", "US"},
        AnswerCase{"Url", "{\"err\":\"\",\"url\":\"https://t.cn/u\"}", "https://t.cn/u"},
        AnswerCase{"List", "{\"list\":\"https://t.cn/l\"}", "https://t.cn/l"},
        AnswerCase{"BareTextIsTheLink", "https://t.cn/bare\r\n", "https://t.cn/bare\r\n"},
        // A key inside another name decides all the same, and its member is missing.
        AnswerCase{"KeyOnlyInsideAName", "{\"long_url\":\"x\"}", ""},
        AnswerCase{"KeyInHtml", "<html>url</html>", ""},
        AnswerCase{"Nested", "{\"data\":{\"url\":\"x\"}}", ""},
        AnswerCase{"NoAnswer", "", ""}),
    testing::CaseName<AnswerCase>);

struct RowCase {
    const char* name;
    const char* method;
    const char* templateText;
    const char* address;
    const char* expectedTarget;  // "" when no request may be made
    const char* expectedBody;
    const char* expectedLink;
};

class SelectedRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(SelectedRow, ShortensThroughItsService) {
    const RowCase& c = GetParam();
    CodeHostingSite hosting;
    hosting.answer(c.expectedTarget, "{\"shortUrl\":\"https://t.cn/S1\"}");
    FakeForm form;
    form.addRow(controls::kInterfaceList, {"1", "x", c.method, "", "", c.templateText, c.address});
    form.addRow(controls::kInterfaceList, {"2", "other", "GET", "", "", "", "https://elsewhere/"});
    form.setSelectedRow(controls::kInterfaceList, 0);
    ShortLinkRun run;
    EXPECT_EQ(ShortenLink(form, "/a", run), c.expectedLink);

    const auto requests = hosting.site.server.requests();
    ASSERT_EQ(requests.size(), std::string(c.expectedTarget).empty() ? 0u : 1u);
    for (const auto& request : requests) {
        EXPECT_EQ(request.target, c.expectedTarget);
        EXPECT_EQ(request.body, c.expectedBody);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ShortLink, SelectedRow,
    ::testing::Values(
        // No separator is put between the address and the filled-in template.
        RowCase{"Get", "GET", "url=$Url$", "https://dwz.example/api?", "/api?url=%2F%61", "",
                "https://t.cn/S1"},
        RowCase{"PlaceholderInAnyCaseEveryTime", "GET", "a=$URL$&b=$url$&c=$Url$",
                "https://dwz.example/api?", "/api?a=%2F%61&b=%2F%61&c=%2F%61", "",
                "https://t.cn/S1"},
        RowCase{"Post", "POST", "url=$Url$&t=1", "https://dwz.example/create", "/create",
                "url=%2F%61&t=1", "https://t.cn/S1"},
        RowCase{"MethodInLowerCaseIsUnusable", "post", "url=$Url$", "https://dwz.example/create",
                "", "", "/a"},
        RowCase{"RowOfAnUnreadablePlugin", "", "", "", "", "", "/a"}),
    testing::CaseName<RowCase>);

TEST(ShortLink, PostIsSentAsAForm) {
    CodeHostingSite hosting;
    hosting.answer("/create", "https://t.cn/P");
    FakeForm form;
    form.addRow(controls::kInterfaceList, {"1", "x", "POST", "", "", "url=$Url$", "https://dwz.example/create"});
    form.setSelectedRow(controls::kInterfaceList, 0);
    ShortLinkRun run;
    EXPECT_EQ(ShortenLink(form, "/a", run), "https://t.cn/P");
    EXPECT_EQ(hosting.site.server.lastRequest().method, "POST");
    EXPECT_EQ(hosting.site.server.lastRequest().header("Content-Type"),
              "application/x-www-form-urlencoded");
}

TEST(ShortLink, NoSelectionLeavesTheLink) {
    CodeHostingSite hosting;
    FakeForm form;
    form.addRow(controls::kInterfaceList, {"1", "x", "GET", "", "", "url=$Url$", "https://dwz.example/api?"});
    ShortLinkRun run;
    EXPECT_EQ(ShortenLink(form, "/a", run), "/a");
    EXPECT_TRUE(hosting.site.server.requests().empty());
}

}  // namespace
}  // namespace dq
