// What a page fetch makes of the answer: body, final raw header block, cookies, failures.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "support/case_name.h"
#include "support/loopback_site.h"
#include "support/test_server.h"
#include "web/fetch.h"
#include "web/fetch_limits.h"
#include "web/loopback_routes.h"

namespace dq {
namespace {

using testing::CannedResponse;
using testing::LoopbackSite;
using testing::TestServer;

constexpr std::size_t kHeaderBuffer = 5000;

FetchOptions Reporting(FetchReport& report) {
    FetchOptions options;
    options.report = &report;
    return options;
}

TEST(FetchResponse, NulInBodyCutsTextButNotBytes) {
    TestServer server;
    const Bytes body("ab\0cd", 5);
    server.on("/nul", CannedResponse::Ok(body));
    EXPECT_EQ(WebFetchBytes(server.url("/nul")), body);
    EXPECT_EQ(WebFetch(server.url("/nul")), "ab");
}

TEST(FetchResponse, RedirectIsFollowedAndTheFinalHeadersReported) {
    LoopbackSite site({"news.baidu.com"});
    site.server.on("/old", CannedResponse::Redirect(302, "https://news.baidu.com/new"));
    CannedResponse target = CannedResponse::Ok("new page");
    target.headers.push_back("Set-Cookie: k=v; path=/");
    site.server.on("/new", target);

    FetchReport report;
    EXPECT_EQ(WebFetchBytes("http://news.baidu.com/old", Reporting(report)), "new page");
    EXPECT_TRUE(report.rawHeaders.starts_with("HTTP/1.1 200 OK\r\n")) << report.rawHeaders;
    EXPECT_EQ(report.rawHeaders.find("Location:"), std::string::npos);
    EXPECT_TRUE(report.rawHeaders.ends_with("\r\n\r\n"));
    EXPECT_EQ(report.cookiesOut, "k=v");
    EXPECT_TRUE(site.server.lastRequest().secure);
}

TEST(FetchResponse, RedirectNotFollowedWhenAsked) {
    TestServer server;
    server.on("/old", CannedResponse::Redirect(301, "/new"));
    server.on("/new", CannedResponse::Ok("new page"));
    FetchReport report;
    FetchOptions options = Reporting(report);
    options.noRedirect = true;
    EXPECT_EQ(WebFetchBytes(server.url("/old"), options), "moved");
    EXPECT_TRUE(report.rawHeaders.starts_with("HTTP/1.1 301 Moved Permanently\r\n"));
    EXPECT_NE(report.rawHeaders.find("\r\nLocation: /new\r\n"), std::string::npos);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST(FetchResponse, RedirectToAnUnroutedHostIsNotConnected) {
    // Once a test routes hosts, a host without a route is unreachable, even one that exists:
    // here a second server on another loopback address.
    LoopbackSite site({"tophub.today"});
    TestServer elsewhere("127.0.0.2");
    elsewhere.on("/", CannedResponse::Ok("escaped"));
    site.server.on("/", CannedResponse::Redirect(302, elsewhere.url("/")));
    EXPECT_EQ(WebFetch("https://tophub.today/"), "");
    EXPECT_EQ(site.server.requests().size(), 1u);
    EXPECT_EQ(elsewhere.connectionCount(), 0);
}

// A response whose header block is exactly `size` bytes long, status line to blank line.
CannedResponse HeadOfSize(std::size_t size) {
    CannedResponse response = CannedResponse::Ok("x", "");
    response.headers.push_back("Set-Cookie: a=1");
    response.headers.push_back("X-Pad: ");
    const std::size_t bare = SerializeResponse(response, true).size();
    response.headers.back() += std::string(size - bare, 'p');
    return response;
}

TEST(FetchResponse, HeaderBlockThatFillsTheBufferIsReplacedBySpaces) {
    TestServer server;
    server.on("/fits", HeadOfSize(kHeaderBuffer - 1));
    server.on("/full", HeadOfSize(kHeaderBuffer));

    FetchReport fits;
    EXPECT_EQ(WebFetchBytes(server.url("/fits"), Reporting(fits)), "x");
    EXPECT_EQ(fits.rawHeaders.size(), kHeaderBuffer - 1);
    EXPECT_TRUE(fits.rawHeaders.starts_with("HTTP/1.1 200 OK\r\n"));
    EXPECT_EQ(fits.cookiesOut, "a=1");

    FetchReport full;
    EXPECT_EQ(WebFetchBytes(server.url("/full"), Reporting(full)), "x");
    EXPECT_EQ(full.rawHeaders, std::string(kHeaderBuffer, ' '));
    EXPECT_EQ(full.cookiesOut, "");
}

struct CookieMergeCase {
    const char* name;
    std::optional<std::string> supplied;
    bool merge;
    const char* expectedOut;
    const char* expectedSupplied;  // FetchReport::cookies afterwards
};

class CookieMerge : public ::testing::TestWithParam<CookieMergeCase> {};

TEST_P(CookieMerge, CollectsAndMerges) {
    const CookieMergeCase& c = GetParam();
    TestServer server;
    CannedResponse response = CannedResponse::Ok("ok");
    response.headers = {"Set-Cookie: b=3; path=/; HttpOnly", "Set-Cookie: c=4",
                        "set-cookie: d=5", "Set-Cookie: gone=deleted"};
    server.on("/", response);
    FetchReport report;
    FetchOptions options = Reporting(report);
    options.cookies = c.supplied;
    options.mergeCookies = c.merge;
    WebFetchBytes(server.url("/"), options);
    EXPECT_EQ(report.cookiesOut, c.expectedOut);
    EXPECT_EQ(report.cookies, c.expectedSupplied);
}

INSTANTIATE_TEST_SUITE_P(
    Fetch, CookieMerge,
    ::testing::Values(
        CookieMergeCase{"NotSupplied", std::nullopt, true, "b=3; c=4; gone=deleted", ""},
        CookieMergeCase{"Merged", "a=1; b=2", true, "b=3; c=4; a=1", "b=3; c=4; a=1"},
        CookieMergeCase{"MergeOff", "a=1; b=2", false, "b=3; c=4; gone=deleted", "a=1; b=2"},
        CookieMergeCase{"SuppliedEmpty", "", true, "b=3; c=4", "b=3; c=4"}),
    testing::CaseName<CookieMergeCase>);

TEST(FetchResponse, NoCookieEngineBetweenCalls) {
    TestServer server;
    CannedResponse setter = CannedResponse::Ok("set");
    setter.headers.push_back("Set-Cookie: s=1; path=/");
    server.on("/set", setter);
    server.on("/next", CannedResponse::Ok("next"));
    WebFetch(server.url("/set"));
    WebFetch(server.url("/next"));
    EXPECT_FALSE(server.lastRequest().header("Cookie").has_value());
}

class FetchFailure : public ::testing::Test {
public:
    static constexpr std::chrono::seconds kTransferBound{2};

protected:
    web::FetchLimits shortLimits() {
        web::FetchLimits limits;
        limits.connectTimeout = std::chrono::seconds(2);
        limits.stallTimeout = std::chrono::seconds(1);
        limits.transferTimeout = kTransferBound;
        return limits;
    }
    web::testing::ScopedFetchLimits limits_{shortLimits()};
};

TEST_F(FetchFailure, ATricklingServerIsCutAfterTheOverallBoundKeepingWhatArrived) {
    // Five bytes a second never stalls the transfer; the whole body would take 20 seconds.
    const std::string body(100, 'x');
    TestServer server;
    server.on("/slow", CannedResponse::Trickle(body, std::chrono::milliseconds(200)));
    const Bytes got = WebFetchBytes(server.url("/slow"));
    EXPECT_FALSE(got.empty());
    EXPECT_LT(got.size(), body.size());
    EXPECT_EQ(got, body.substr(0, got.size()));
}

TEST_F(FetchFailure, UnreachablePortGivesEmptyResults) {
    LoopbackSite site({});
    web::testing::RouteToLoopback("down.example", 80, testing::ClosedLoopbackPort());
    FetchReport report;
    EXPECT_EQ(WebFetchBytes("http://down.example/", Reporting(report)), "");
    EXPECT_EQ(report.rawHeaders, "");
    EXPECT_EQ(report.cookiesOut, "");
    EXPECT_EQ(WebFetch("http://down.example/"), "");
    web::testing::RemoveRoute("down.example", 80);
}

TEST_F(FetchFailure, SilentServerIsGivenUpWithinTheStallLimit) {
    TestServer server;
    server.on("/", CannedResponse::Silence());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WebFetch(server.url("/")), "");
    // Far below the 30-second limit of the shipped program: the shortened limit was used.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(FetchFailure, BodyStalledHalfwayKeepsWhatArrived) {
    TestServer server;
    // Two bytes only: the stall is measured as an average speed, which a larger first half
    // would hold up for seconds.
    CannedResponse response = CannedResponse::Ok("ab");
    response.delivery = CannedResponse::Delivery::StallMidBody;
    server.on("/", response);
    EXPECT_EQ(WebFetchBytes(server.url("/")), "a");
}

TEST_F(FetchFailure, BodyIsCutAtTheSizeLimit) {
    web::FetchLimits small = shortLimits();
    small.maxBodyBytes = 1000;
    web::testing::ScopedFetchLimits scoped(small);
    TestServer server;
    std::string big;
    for (int i = 0; i < 5000; ++i) big += static_cast<char>('a' + i % 26);
    server.on("/big", CannedResponse::Ok(big));
    EXPECT_EQ(WebFetchBytes(server.url("/big")), big.substr(0, 1000));
}

TEST(FetchResponse, LfOnlyHeaderLinesComeBackCrLfSeparated) {
    TestServer server;
    server.on("/raw", CannedResponse::Verbatim("HTTP/1.1 200 OK\nSet-Cookie: r=1\n"
                                               "Content-Length: 2\nConnection: close\n\nhi"));
    FetchReport report;
    EXPECT_EQ(WebFetchBytes(server.url("/raw"), Reporting(report)), "hi");
    EXPECT_EQ(report.rawHeaders,
              "HTTP/1.1 200 OK\r\nSet-Cookie: r=1\r\nContent-Length: 2\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(report.cookiesOut, "r=1");
}

}  // namespace
}  // namespace dq
