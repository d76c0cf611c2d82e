// What a page fetch sends, checked on the bytes that reached the loopback server.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_name.h"
#include "support/loopback_site.h"
#include "support/test_server.h"
#include "web/fetch.h"
#include "web/text.h"

namespace dq {
namespace {

using testing::CannedResponse;
using testing::LoopbackSite;
using testing::RecordedRequest;
using testing::TestServer;

constexpr const char* kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

// Replaces "{url}" in a line by the URL that was fetched.
std::vector<std::string> WithUrl(std::vector<std::string> lines, const std::string& url) {
    for (std::string& line : lines) line = text::ReplaceAll(line, "{url}", url);
    return lines;
}

struct HeaderCase {
    const char* name;
    int method;
    const char* headers;
    bool completeHeaders;
    bool normalizeHeaders;
    // Every header line after Host, in order; "{url}" stands for the fetched URL.
    std::vector<std::string> expectedLines;
};

class HeaderBlock : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderBlock, ArrivesLineByLine) {
    const HeaderCase& c = GetParam();
    TestServer server;
    server.on("/page", CannedResponse::Ok("ok"));
    const std::string url = server.url("/page");

    FetchOptions options;
    options.method = c.method;
    options.headers = c.headers;
    options.completeHeaders = c.completeHeaders;
    options.normalizeHeaders = c.normalizeHeaders;
    FetchReport report;
    options.report = &report;
    EXPECT_EQ(WebFetchBytes(url, options), "ok");

    const RecordedRequest request = server.lastRequest();
    ASSERT_FALSE(request.headerLines.empty());
    EXPECT_EQ(request.headerLines.front(), "Host: 127.0.0.1:" + std::to_string(server.port()));
    const std::vector<std::string> rest(request.headerLines.begin() + 1, request.headerLines.end());
    const std::vector<std::string> expected = WithUrl(c.expectedLines, url);
    EXPECT_EQ(rest, expected);

    // The block reported as sent is the caller's part of what arrived: no Host or
    // transfer lines, no final CR LF.
    std::vector<std::string> sent = text::Split(report.headersSent, "\r\n");
    for (const std::string& line : sent) {
        EXPECT_NE(std::find(rest.begin(), rest.end(), line), rest.end()) << line;
    }
    EXPECT_FALSE(report.headersSent.ends_with("\r\n"));
}

const std::string kAgentLine = std::string("User-Agent: ") + kDefaultAgent;

INSTANTIATE_TEST_SUITE_P(
    Fetch, HeaderBlock,
    ::testing::Values(
        HeaderCase{"Defaults", 0, "", true, true,
                   {kAgentLine, "Accept: */*", "Referer: {url}", "Accept-Language: zh-cn"}},
        HeaderCase{"CallerAgentLowerCase", 0, "user-agent: Tool", true, true,
                   {"User-Agent: Tool", "Accept: */*", "Referer: {url}", "Accept-Language: zh-cn"}},
        HeaderCase{"PostGetsFormType", 1, "", true, true,
                   {kAgentLine, "Accept: */*", "Referer: {url}", "Accept-Language: zh-cn",
                    "Content-Type: application/x-www-form-urlencoded", "Content-Length: 0"}},
        HeaderCase{"CallerLinesKeepTheirValues", 0,
                   "accept: text/html\r\n\r\nx-requested-with: XMLHttpRequest\r\nreferer: r", true,
                   true,
                   {kAgentLine, "Accept: text/html", "X-Requested-With: XMLHttpRequest",
                    "Referer: r", "Accept-Language: zh-cn"}},
        // Without completion nothing is added, not even the client library's own Accept line.
        HeaderCase{"NoCompletion", 0, "X-A: 1", false, true, {kAgentLine, "X-A: 1"}},
        HeaderCase{"NoCompletionPost", 1, "X-A: 1", false, true,
                   {kAgentLine, "X-A: 1", "Content-Length: 0"}},
        HeaderCase{"NoNormalizingKeepsNames", 0, "user-agent: Tool\r\nx-a: 1", true, false,
                   {"user-agent: Tool", "x-a: 1", "Accept: */*", "Referer: {url}",
                    "Accept-Language: zh-cn"}},
        // The agent is cut out of a line that merely contains the name; it stops at its line's
        // end, so the following line is not sent twice.
        HeaderCase{"AgentInsideAnotherName", 0, "x-user-agent: Tool\r\nX-B: 2", true, false,
                   {"User-Agent: Tool", "x-user-agent: Tool", "X-B: 2", "Accept: */*",
                    "Referer: {url}", "Accept-Language: zh-cn"}},
        HeaderCase{"EmptyValueStillSent", 0, "X-Empty:", false, true, {kAgentLine, "X-Empty:"}}),
    testing::CaseName<HeaderCase>);

TEST(FetchRequest, DefaultBlockReportedAsSent) {
    TestServer server;
    server.on("/", CannedResponse::Ok("ok"));
    FetchReport report;
    FetchOptions options;
    options.report = &report;
    WebFetchBytes(server.url("/"), options);
    EXPECT_EQ(report.headersSent,
              "Accept: */*\r\nReferer: " + server.url("/") + "\r\nAccept-Language: zh-cn");
}

struct BodyCase {
    const char* name;
    int method;
    const char* postText;
    const char* postBytes;
    const char* expectedVerb;
    const char* expectedBody;
    bool expectLength;  // a Content-Length line arrives
};

class RequestBody : public ::testing::TestWithParam<BodyCase> {};

TEST_P(RequestBody, VerbAndBodyArrive) {
    const BodyCase& c = GetParam();
    TestServer server;
    server.on("/form", CannedResponse::Ok("done"));
    FetchOptions options;
    options.method = c.method;
    options.postText = c.postText;
    options.postBytes = c.postBytes;
    WebFetchBytes(server.url("/form"), options);

    const RecordedRequest request = server.lastRequest();
    EXPECT_EQ(request.requestLine, std::string(c.expectedVerb) + " /form HTTP/1.1");
    EXPECT_EQ(request.body, c.expectedBody);
    EXPECT_EQ(request.header("Content-Length").has_value(), c.expectLength);
    if (c.expectLength) {
        EXPECT_EQ(request.header("Content-Length"), std::to_string(std::string(c.expectedBody).size()));
    }
    EXPECT_FALSE(request.header("Expect").has_value());
    EXPECT_FALSE(request.header("Transfer-Encoding").has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Fetch, RequestBody,
    ::testing::Values(BodyCase{"PostText", 1, "a=1", "", "POST", "a=1", true},
                      BodyCase{"GetSendsNoBody", 0, "a=1", "", "GET", "", false},
                      BodyCase{"MethodNineIsGet", 9, "a=1", "", "GET", "", false},
                      BodyCase{"NegativeMethodIsGet", -1, "a=1", "", "GET", "", false},
                      BodyCase{"PostBytesWin", 1, "a=1", "b=2", "POST", "b=2", true},
                      BodyCase{"PutText", 3, "x", "", "PUT", "x", true},
                      BodyCase{"DeleteEmptyBody", 5, "", "", "DELETE", "", true},
                      BodyCase{"Options", 4, "o", "", "OPTIONS", "o", true}),
    testing::CaseName<BodyCase>);

TEST(FetchRequest, PostBodyKeepsEveryByte) {
    TestServer server;
    server.on("/bin", CannedResponse::Ok("ok"));
    const Bytes body("a\0b\r\n\r\nc", 8);
    FetchOptions options;
    options.method = 1;
    options.postBytes = body;
    WebFetchBytes(server.url("/bin"), options);
    EXPECT_EQ(server.lastRequest().body, body);
}

TEST(FetchRequest, LargePostGoesWithoutExpect) {
    // libcurl asks "Expect: 100-continue" before large bodies unless told not to.
    TestServer server;
    server.on("/upload", CannedResponse::Ok("ok"));
    FetchOptions options;
    options.method = 1;
    options.postBytes = Bytes(2 << 20, 'z');
    EXPECT_EQ(WebFetchBytes(server.url("/upload"), options), "ok");
    const RecordedRequest request = server.lastRequest();
    EXPECT_FALSE(request.header("Expect").has_value());
    EXPECT_EQ(request.body, options.postBytes);
}

TEST(FetchRequest, HeadAsksForTheHeadOnly) {
    TestServer server;
    server.on("/h", CannedResponse::Ok("body that HEAD must not wait for"));
    FetchOptions options;
    options.method = 2;
    FetchReport report;
    options.report = &report;
    EXPECT_EQ(WebFetchBytes(server.url("/h"), options), "");
    EXPECT_EQ(server.lastRequest().requestLine, "HEAD /h HTTP/1.1");
    EXPECT_TRUE(report.rawHeaders.starts_with("HTTP/1.1 200 OK\r\n"));
}

struct CookieCase {
    const char* name;
    std::optional<std::string> cookies;
    std::optional<std::string> expectedLine;  // the Cookie header's value, or none
};

class CookieLine : public ::testing::TestWithParam<CookieCase> {};

TEST_P(CookieLine, IsSentOnce) {
    const CookieCase& c = GetParam();
    TestServer server;
    server.on("/", CannedResponse::Ok("ok"));
    FetchOptions options;
    options.cookies = c.cookies;
    FetchReport report;
    options.report = &report;
    WebFetchBytes(server.url("/"), options);
    const RecordedRequest request = server.lastRequest();
    EXPECT_EQ(request.header("Cookie"), c.expectedLine);
    EXPECT_EQ(request.headerCount("Cookie"), c.expectedLine ? 1 : 0);
    if (c.expectedLine) {
        EXPECT_TRUE(report.headersSent.ends_with("\r\nCookie: " + *c.expectedLine));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fetch, CookieLine,
    ::testing::Values(CookieCase{"Pairs", "a=1; b=2", "a=1; b=2"},
                      CookieCase{"WholeLine", "Cookie: a=1", "a=1"},
                      CookieCase{"SuppliedEmpty", "", std::nullopt},
                      CookieCase{"NotSupplied", std::nullopt, std::nullopt}),
    testing::CaseName<CookieCase>);

TEST(FetchRequest, UrlWithoutSchemeIsPlainHttpOnPort80) {
    LoopbackSite site({"plain.example:80"});
    site.server.on("/path", CannedResponse::Ok("plain"));
    FetchReport report;
    FetchOptions options;
    options.report = &report;
    EXPECT_EQ(WebFetchBytes("Plain.Example/path?q=1", options), "plain");
    const RecordedRequest request = site.server.lastRequest();
    EXPECT_EQ(request.requestLine, "GET /path?q=1 HTTP/1.1");
    EXPECT_EQ(request.header("Host"), "plain.example");
    EXPECT_FALSE(request.secure);
    EXPECT_EQ(request.header("Referer"), "Plain.Example/path?q=1");
}

TEST(FetchRequest, SpacesAndChineseInTheAddressArriveEscaped) {
    TestServer server;
    server.on("/a%20b/%D6%D0", CannedResponse::Ok("found"));
    // "中" in GBK is D6 D0: the address's own bytes go out, percent-encoded in upper case.
    EXPECT_EQ(WebFetch(server.url("/a b/\xD6\xD0?q=x y&k=\xD6\xD0")), "found");
    EXPECT_EQ(server.lastRequest().requestLine,
              "GET /a%20b/%D6%D0?q=x%20y&k=%D6%D0 HTTP/1.1");
}

TEST(FetchRequest, AnEmptyPortIsTheSchemesPort) {
    LoopbackSite site({"plain.example:80", "secure.example:443"});
    site.server.on("/p", CannedResponse::Ok("page"));
    EXPECT_EQ(WebFetch("http://plain.example:/p"), "page");
    EXPECT_EQ(site.server.lastRequest().header("Host"), "plain.example");
    EXPECT_EQ(WebFetch("https://secure.example:/p"), "page");
    EXPECT_TRUE(site.server.lastRequest().secure);
    EXPECT_EQ(site.server.requests().size(), 2u);
}

TEST(FetchRequest, HttpsWithExplicitPortUsesTlsOnThatPort) {
    LoopbackSite site({"secure.example:8443"});
    site.server.on("/x", CannedResponse::Ok("secret"));
    EXPECT_EQ(WebFetch("HTTPS://secure.example:8443/x"), "secret");
    const RecordedRequest request = site.server.lastRequest();
    EXPECT_TRUE(request.secure);
    EXPECT_EQ(request.header("Host"), "secure.example:8443");
    EXPECT_EQ(request.requestLine, "GET /x HTTP/1.1");
}

TEST(FetchRequest, HttpsDefaultPortIs443) {
    LoopbackSite site({"www.tianqi.com"});
    site.server.on("/beijing/", CannedResponse::Ok("weather"));
    EXPECT_EQ(WebFetch("https://www.tianqi.com/beijing/"), "weather");
    EXPECT_TRUE(site.server.lastRequest().secure);
    EXPECT_EQ(site.server.lastRequest().header("Host"), "www.tianqi.com");
}

TEST(FetchRequest, ProxyReceivesTheAbsoluteAddress) {
    TestServer proxy;
    proxy.on("/a", CannedResponse::Ok("via proxy"));
    FetchOptions options;
    options.proxy = "127.0.0.1:" + std::to_string(proxy.port());
    EXPECT_EQ(WebFetchBytes("http://proxied.example/a", options), "via proxy");
    const RecordedRequest request = proxy.lastRequest();
    EXPECT_EQ(request.requestLine, "GET http://proxied.example/a HTTP/1.1");
    EXPECT_EQ(request.header("Host"), "proxied.example");
}

}  // namespace
}  // namespace dq
