// What the request engine makes of the answer: status text, cookies, Location, the charset
// step, and the numbered failures.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "support/case_name.h"
#include "support/loopback_site.h"
#include "support/test_server.h"
#include "web/encoding.h"
#include "web/fetch_limits.h"
#include "web/gbk_literal.h"
#include "web/loopback_routes.h"
#include "web/web_request.h"

namespace dq {
namespace {

using namespace dq::literals;
using testing::CannedResponse;
using testing::LoopbackSite;
using testing::TestServer;

RequestOptions Reporting(RequestReport& report) {
    RequestOptions options;
    options.report = &report;
    return options;
}

TEST(RequestAnswer, ErrorPageKeepsItsBodyAndStatus) {
    TestServer server;
    RequestReport report;
    EXPECT_EQ(WebRequest(server.url("/missing"), Reporting(report)), "not found");
    EXPECT_EQ(report.message, "404 Not Found");
    EXPECT_EQ(report.body, "not found");
    EXPECT_TRUE(report.headersOut.starts_with("HTTP/1.1 404 Not Found\r\n"));
    EXPECT_TRUE(report.headersOut.ends_with("\r\n\r\n"));
}

TEST(RequestAnswer, NulCutsTheResultButNotTheBody) {
    TestServer server;
    server.on("/", CannedResponse::Ok(std::string("ab\0cd", 5)));
    RequestReport report;
    EXPECT_EQ(WebRequest(server.url("/"), Reporting(report)), "ab");
    EXPECT_EQ(report.body, std::string("ab\0cd", 5));
}

TEST(RequestAnswer, LocationReadWithRedirectsOff) {
    TestServer server;
    server.on("/old", CannedResponse::Redirect(302, "https://t.cn/Ab9"));
    RequestReport report;
    RequestOptions options = Reporting(report);
    options.noRedirect = true;
    EXPECT_EQ(WebRequest(server.url("/old"), options), "moved");
    EXPECT_EQ(report.location, "https://t.cn/Ab9");
    EXPECT_EQ(report.message, "302 Found");
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST(RequestAnswer, RedirectFollowedByDefault) {
    TestServer server;
    server.on("/old", CannedResponse::Redirect(301, "/new"));
    server.on("/new", CannedResponse::Ok("new page"));
    RequestReport report;
    report.location = "held";
    EXPECT_EQ(WebRequest(server.url("/old"), Reporting(report)), "new page");
    EXPECT_EQ(report.message, "200 OK");
    EXPECT_EQ(report.location, "held");  // the final answer has no Location line
}

struct CookieCase {
    const char* name;
    const char* supplied;
    bool merge;
    const char* heldBefore;  // what cookiesOut held before the call
    const char* expectedOut;
    const char* expectedSupplied;
};

class RequestCookies : public ::testing::TestWithParam<CookieCase> {};

TEST_P(RequestCookies, CollectedAndMerged) {
    const CookieCase& c = GetParam();
    TestServer server;
    CannedResponse response = CannedResponse::Ok("ok");
    response.headers = {"Set-Cookie: sid=7; Path=/", "Set-Cookie: t=x", "set-cookie: lower=1"};
    server.on("/", response);
    RequestReport report;
    report.cookiesOut = c.heldBefore;
    RequestOptions options = Reporting(report);
    options.cookies = c.supplied;
    options.mergeCookies = c.merge;
    WebRequest(server.url("/"), options);
    EXPECT_EQ(report.cookiesOut, c.expectedOut);
    EXPECT_EQ(report.cookies, c.expectedSupplied);
}

INSTANTIATE_TEST_SUITE_P(
    Request, RequestCookies,
    ::testing::Values(
        // Only lines named exactly "Set-Cookie" count.
        CookieCase{"Collected", "", true, "", "sid=7; t=x", ""},
        CookieCase{"Merged", "sid=1; u=2", true, "", "sid=7; t=x; u=2", "sid=7; t=x; u=2"},
        CookieCase{"NotMerged", "sid=1; u=2", false, "", "sid=7; t=x", "sid=1; u=2"},
        CookieCase{"AppendedToWhatWasHeld", "", true, "old=1", "old=1; sid=7; t=x", ""}),
    testing::CaseName<CookieCase>);

// A page of the given bytes whose charset declaration starts at byte `at` (0: at once).
std::string PageDeclaring(const std::string& meta, const std::string& text, std::size_t at = 0) {
    return std::string(at, ' ') + "<html><head>" + meta + "</head><body>" + text + "</body>";
}

struct CharsetCase {
    const char* name;
    std::string page;
    std::string expected;
};

class DeclaredCharset : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(DeclaredCharset, DecidesTheResult) {
    const CharsetCase& c = GetParam();
    TestServer server;
    server.on("/", CannedResponse::Ok(c.page));
    RequestReport report;
    EXPECT_EQ(WebRequest(server.url("/"), Reporting(report)), c.expected);
    EXPECT_EQ(report.body, c.page);  // the raw body is never converted
}

const std::string kUtf8Meta = "<meta charset=\"utf-8\">";
const std::string kUtf8Text = AnsiToUtf8("早报：中文"_gbk) + "\xE0\xB8\x81";  // + Thai ko kai
const std::string kGbkText = "早报：中文"_gbk;

INSTANTIATE_TEST_SUITE_P(
    Request, DeclaredCharset,
    ::testing::Values(
        CharsetCase{"Utf8", PageDeclaring(kUtf8Meta, kUtf8Text),
                    PageDeclaring(kUtf8Meta, kGbkText + "?")},
        CharsetCase{"Utf8InContentType",
                    PageDeclaring("<META http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=UTF-8\">", kUtf8Text),
                    PageDeclaring("<META http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=UTF-8\">", kGbkText + "?")},
        // Found only within the first 1,024 bytes.
        CharsetCase{"Utf8JustInside", PageDeclaring(kUtf8Meta, kUtf8Text, 980),
                    PageDeclaring(kUtf8Meta, kGbkText + "?", 980)},
        CharsetCase{"Utf8PastTheWindow", PageDeclaring(kUtf8Meta, kUtf8Text, 1024),
                    PageDeclaring(kUtf8Meta, kUtf8Text, 1024)},
        CharsetCase{"GbkAsItCame", PageDeclaring("<meta charset=gbk>", kGbkText),
                    PageDeclaring("<meta charset=gbk>", kGbkText)},
        CharsetCase{"Gb2312AsItCame", PageDeclaring("<meta charset=gb2312>", kGbkText),
                    PageDeclaring("<meta charset=gb2312>", kGbkText)},
        // Upper case is not "gbk": decoded as GBK and so unchanged.
        CharsetCase{"GbkUpperCaseDecodedTheSame", PageDeclaring("<meta charset=GBK>", kGbkText),
                    PageDeclaring("<meta charset=GBK>", kGbkText)},
        CharsetCase{"Latin1", PageDeclaring("<meta charset=iso-8859-1>", "caf\xE9"),
                    PageDeclaring("<meta charset=iso-8859-1>", "caf\xA8\xA6")},
        CharsetCase{"UnknownSetLeftAlone", PageDeclaring("<meta charset=x-none>", kUtf8Text),
                    PageDeclaring("<meta charset=x-none>", kUtf8Text)},
        CharsetCase{"JsonWithoutDeclaration", "{\"a\":\"" + kUtf8Text + "\"}",
                    "{\"a\":\"" + kUtf8Text + "\"}"}),
    testing::CaseName<CharsetCase>);

struct UrlCase {
    const char* name;
    const char* url;
};

class UnusableUrl : public ::testing::TestWithParam<UrlCase> {};

TEST_P(UnusableUrl, Fails701AndKeepsTheOutValues) {
    RequestReport report;
    report.headersOut = "held";
    report.body = "held";
    EXPECT_EQ(WebRequest(GetParam().url, Reporting(report)), "");
    EXPECT_EQ(report.message, "701 解析URL地址失败!"_gbk);
    EXPECT_EQ(report.headersOut, "held");
    EXPECT_EQ(report.body, "held");
}

INSTANTIATE_TEST_SUITE_P(Request, UnusableUrl,
                         ::testing::Values(UrlCase{"NoScheme", "127.0.0.1/x"},
                                           UrlCase{"OtherScheme", "ftp://127.0.0.1/x"},
                                           UrlCase{"NoHost", "http:///x"},
                                           UrlCase{"PortTooLarge", "http://127.0.0.1:99999/"},
                                           UrlCase{"Empty", ""}),
                         testing::CaseName<UrlCase>);

TEST(RequestFailure, LineWithoutColonIsNotSent) {
    TestServer server;
    RequestReport report;
    RequestOptions options = Reporting(report);
    options.headers = "X-A: 1\r\nnot a header";
    options.normalizeHeaders = false;
    EXPECT_EQ(WebRequest(server.url("/"), options), "");
    EXPECT_EQ(report.message, "710 设置协议头失败!"_gbk);
    EXPECT_EQ(server.connectionCount(), 0);
}

TEST(RequestFailure, UnreachableHostFails711) {
    LoopbackSite site({});
    web::testing::RouteToLoopback("down.example", 80, testing::ClosedLoopbackPort());
    RequestReport report;
    EXPECT_EQ(WebRequest("http://down.example/", Reporting(report)), "");
    EXPECT_EQ(report.message, "711 发送请求失败!"_gbk);
    EXPECT_EQ(report.headersOut, "");
    web::testing::RemoveRoute("down.example", 80);
}

TEST(RequestFailure, SilentServerFails712WithinTheTimeout) {
    TestServer server;
    server.on("/", CannedResponse::Silence());
    RequestReport report;
    RequestOptions options = Reporting(report);
    options.timeoutSeconds = 1;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WebRequest(server.url("/"), options), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(report.message, "712 服务器未响应!"_gbk);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST(RequestFailure, DefaultTimeoutFromTheLimits) {
    web::FetchLimits limits = web::CurrentFetchLimits();
    limits.requestTimeout = std::chrono::seconds(1);
    web::testing::ScopedFetchLimits scoped(limits);
    TestServer server;
    server.on("/", CannedResponse::Silence());
    RequestReport report;
    EXPECT_EQ(WebRequest(server.url("/"), Reporting(report)), "");
    EXPECT_EQ(report.message, "712 服务器未响应!"_gbk);
}

TEST(RequestAnswer, SlowAnswerThatKeepsComingIsNotCut) {
    // Nine bytes 300 ms apart take longer than the two-second time-out, but no wait comes near
    // it (the margin keeps a busy machine from turning a late byte into a stall).
    TestServer server;
    server.on("/", CannedResponse::Trickle("abcdefghi", std::chrono::milliseconds(300)));
    RequestReport report;
    RequestOptions options = Reporting(report);
    options.timeoutSeconds = 2;
    EXPECT_EQ(WebRequest(server.url("/"), options), "abcdefghi");
    EXPECT_EQ(report.message, "200 OK");
}

TEST(RequestAnswer, PumpRunsWhileTheAnswerIsRead) {
    TestServer server;
    server.on("/", CannedResponse::Ok("ok"));
    int pumps = 0;
    RequestOptions options;
    options.pump = [&pumps] { ++pumps; };
    EXPECT_EQ(WebRequest(server.url("/"), options), "ok");
    EXPECT_GT(pumps, 0);
}

}  // namespace
}  // namespace dq
