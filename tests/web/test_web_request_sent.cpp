// What the request engine sends, checked on the bytes that reached the loopback server.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_name.h"
#include "support/test_server.h"
#include "web/web_request.h"

namespace dq {
namespace {

using testing::CannedResponse;
using testing::RecordedRequest;
using testing::TestServer;

const std::string kAgent =
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)";
const std::string kAccept = "Accept: text/html, application/xhtml+xml, */*";
const std::string kEncoding = "Accept-Encoding: gbk, GB2312";
const std::string kLanguage = "Accept-Language: zh-cn";
const std::string kFormType = "Content-Type: application/x-www-form-urlencoded";
const std::string kNoCache = "Cache-Control: no-cache";

struct BlockCase {
    const char* name;
    int method;
    const char* headers;
    const char* cookies;
    bool completeHeaders;
    bool normalizeHeaders;
    std::vector<std::string> expectedLines;  // every line after Host, in order
};

class RequestBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(RequestBlock, ArrivesLineByLine) {
    const BlockCase& c = GetParam();
    TestServer server;
    server.on("/", CannedResponse::Ok("ok"));
    RequestOptions options;
    options.method = c.method;
    options.headers = c.headers;
    options.cookies = c.cookies;
    options.completeHeaders = c.completeHeaders;
    options.normalizeHeaders = c.normalizeHeaders;
    EXPECT_EQ(WebRequest(server.url("/"), options), "ok");

    const RecordedRequest request = server.lastRequest();
    ASSERT_FALSE(request.headerLines.empty());
    EXPECT_EQ(request.headerLines.front(), "Host: 127.0.0.1:" + std::to_string(server.port()));
    EXPECT_EQ(std::vector<std::string>(request.headerLines.begin() + 1, request.headerLines.end()),
              c.expectedLines);
}

INSTANTIATE_TEST_SUITE_P(
    Request, RequestBlock,
    ::testing::Values(
        BlockCase{"Defaults", 0, "", "", true, true,
                  {kAgent, kAccept, kEncoding, kLanguage, kNoCache}},
        BlockCase{"PostAddsTheFormType", 1, "", "", true, true,
                  {kAgent, kAccept, kEncoding, kLanguage, kFormType, kNoCache}},
        // The search text "User-Agent: " has a space, so the caller's line is not recognised.
        BlockCase{"AgentWithoutSpaceKeepsTheDefault", 0, "user-agent:MyTool", "", true, true,
                  {"User-Agent:MyTool", kAgent, kAccept, kEncoding, kLanguage, kNoCache}},
        BlockCase{"CallerAgentReplacesTheDefault", 0, "user-agent: MyTool", "", true, true,
                  {"User-Agent: MyTool", kAccept, kEncoding, kLanguage, kNoCache}},
        BlockCase{"KeepAliveLineRemoved", 0, "Connection: keep-alive\r\nAccept: */*", "", true,
                  true, {"Accept: */*", kAgent, kEncoding, kLanguage, kNoCache}},
        // Normalization takes the last line's CR LF away, and only lines with one are removed.
        BlockCase{"KeepAliveAsLastLineStays", 0, "Connection: keep-alive", "", false, true,
                  {"Connection: keep-alive"}},
        BlockCase{"NothingAddedWithoutCompletion", 0, "x-a: 1", "", false, true, {"X-A: 1"}},
        BlockCase{"NamesKeptWithoutNormalizing", 0, "x-a: 1", "", false, false, {"x-a: 1"}},
        BlockCase{"CookiePairs", 0, "X-A: 1", "a=1; b=2", false, true,
                  {"X-A: 1", "Cookie: a=1; b=2"}},
        BlockCase{"CookieWholeLine", 0, "", "Cookie: a=1", false, true, {"Cookie: a=1"}},
        BlockCase{"CookieLineOfTheCallerWins", 0, "Cookie: z=9", "a=1", false, true,
                  {"Cookie: z=9"}}),
    testing::CaseName<BlockCase>);

struct LineCase {
    const char* name;
    const char* path;  // after "http://127.0.0.1:<port>"
    int method;
    const char* postText;
    const char* postBytes;
    const char* expectedLine;
    const char* expectedBody;
};

class RequestLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(RequestLine, VerbObjectAndBody) {
    const LineCase& c = GetParam();
    TestServer server;
    server.on("/", CannedResponse::Ok("root"));
    server.on("/p", CannedResponse::Ok("p"));
    RequestOptions options;
    options.method = c.method;
    options.postText = c.postText;
    options.postBytes = c.postBytes;
    WebRequest("http://127.0.0.1:" + std::to_string(server.port()) + c.path, options);
    const RecordedRequest request = server.lastRequest();
    EXPECT_EQ(request.requestLine, c.expectedLine);
    EXPECT_EQ(request.body, c.expectedBody);
}

INSTANTIATE_TEST_SUITE_P(
    Request, RequestLine,
    ::testing::Values(
        LineCase{"MethodOutsideTheTableIsGet", "/p", 12, "", "", "GET /p HTTP/1.1", ""},
        LineCase{"PathAndQueryKept", "/p?q=1&r=%2F", 0, "", "", "GET /p?q=1&r=%2F HTTP/1.1", ""},
        LineCase{"QueryWithoutPathIsDropped", "?q=1", 0, "", "", "GET / HTTP/1.1", ""},
        LineCase{"GetCarriesItsBody", "/p", 0, "a=1", "", "GET /p HTTP/1.1", "a=1"},
        LineCase{"PostBytesWinOverText", "/p", 1, "a=1", "b=2", "POST /p HTTP/1.1", "b=2"},
        LineCase{"Put", "/p", 3, "x", "", "PUT /p HTTP/1.1", "x"},
        LineCase{"Delete", "/p", 5, "", "", "DELETE /p HTTP/1.1", ""}),
    testing::CaseName<LineCase>);

struct LoginCase {
    const char* name;
    const char* user;
    const char* password;
    bool viaProxy;
    const char* expectedHeader;  // the authorization line's name
    const char* expectedValue;   // "" for no such line
};

class BasicLogin : public ::testing::TestWithParam<LoginCase> {};

TEST_P(BasicLogin, SentOnlyWithBothHalves) {
    const LoginCase& c = GetParam();
    TestServer server;
    server.on("/a", CannedResponse::Ok("ok"));
    RequestOptions options;
    std::string url = server.url("/a");
    if (c.viaProxy) {
        options.proxy = "127.0.0.1:" + std::to_string(server.port());
        options.proxyUser = c.user;
        options.proxyPassword = c.password;
        url = "http://127.0.0.1:1/a";  // the proxy makes the onward connection, not us
    } else {
        options.serverUser = c.user;
        options.serverPassword = c.password;
    }
    EXPECT_EQ(WebRequest(url, options), "ok");
    const RecordedRequest request = server.lastRequest();
    EXPECT_EQ(request.header(c.expectedHeader).value_or(""), c.expectedValue);
    EXPECT_EQ(request.target, c.viaProxy ? "http://127.0.0.1:1/a" : "/a");
}

INSTANTIATE_TEST_SUITE_P(
    Request, BasicLogin,
    ::testing::Values(
        LoginCase{"Server", "user", "pw", false, "Authorization", "Basic dXNlcjpwdw=="},
        LoginCase{"ServerWithoutPassword", "user", "", false, "Authorization", ""},
        LoginCase{"Proxy", "user", "pw", true, "Proxy-Authorization", "Basic dXNlcjpwdw=="},
        LoginCase{"ProxyWithoutUser", "", "pw", true, "Proxy-Authorization", ""}),
    testing::CaseName<LoginCase>);

}  // namespace
}  // namespace dq
