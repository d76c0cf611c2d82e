// The loopback test server seen from a bare socket: what it records and what it answers.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "support/test_server.h"

namespace dq::testing {
namespace {

// A plain TCP client connected to the server.
class RawClient {
public:
    explicit RawClient(int port) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        connected_ = ::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { ::close(socket_); }
    bool connected() const { return connected_; }
    void send(const std::string& bytes) { ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    // Reads until `marker` has arrived (when given) or the peer closes.
    std::string readUntil(const std::optional<std::string>& marker) {
        std::string got;
        char buffer[4096];
        while (!marker || got.find(*marker) == std::string::npos) {
            const ssize_t n = ::recv(socket_, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }
    std::string readAll() { return readUntil(std::nullopt); }

private:
    int socket_;
    bool connected_ = false;
};

TEST(TestServer, RecordsTheExactBytesAndAnswersExpectContinue) {
    TestServer server;
    server.on("/in", CannedResponse::Ok("thanks", "text/plain"));
    RawClient client(server.port());
    ASSERT_TRUE(client.connected());
    const std::string head =
        "POST /in?x=1 HTTP/1.1\r\nHost: Site.Example:81\r\nexpect: 100-continue\r\n"
        "Content-Length: 4\r\n\r\n";
    client.send(head);
    EXPECT_EQ(client.readUntil("\r\n\r\n"), "HTTP/1.1 100 Continue\r\n\r\n");
    client.send(std::string("a\0b\n", 4));
    const std::string answer = client.readAll();
    EXPECT_EQ(answer,
              "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 6\r\n"
              "Connection: close\r\n\r\nthanks");

    const RecordedRequest request = server.lastRequest();
    EXPECT_EQ(request.raw, head + std::string("a\0b\n", 4));
    EXPECT_EQ(request.requestLine, "POST /in?x=1 HTTP/1.1");
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.target, "/in?x=1");
    EXPECT_EQ(request.path(), "/in");
    EXPECT_EQ(request.host(), "site.example");
    EXPECT_EQ(request.body, std::string("a\0b\n", 4));
    EXPECT_EQ(request.header("Expect"), "100-continue");
    EXPECT_EQ(request.headerCount("content-length"), 1);
    EXPECT_FALSE(request.secure);
}

TEST(TestServer, MatchesHostThenTargetThenPath) {
    TestServer server;
    server.on("/p", CannedResponse::Ok("any host"));
    server.on("a.example", "/p", CannedResponse::Ok("host a"));
    server.on("/p?exact=1", CannedResponse::Ok("exact target"));
    struct Case {
        std::string host;
        std::string target;
        std::string expectedBody;
    };
    for (const Case& c : {Case{"a.example:80", "/p?q=2", "host a"},
                          Case{"b.example", "/p?q=2", "any host"},
                          Case{"b.example", "/p?exact=1", "exact target"},
                          Case{"b.example", "/other", "not found"}}) {
        RawClient client(server.port());
        client.send("GET " + c.target + " HTTP/1.1\r\nHost: " + c.host + "\r\n\r\n");
        const std::string answer = client.readAll();
        EXPECT_TRUE(answer.ends_with("\r\n\r\n" + c.expectedBody)) << c.host << c.target << answer;
    }
}

TEST(TestServer, HeadGetsNoBodyAndStallStopsMidBody) {
    TestServer server;
    server.on("/h", CannedResponse::Ok("0123456789", ""));
    CannedResponse stalled = CannedResponse::Ok("0123456789", "");
    stalled.delivery = CannedResponse::Delivery::StallMidBody;
    server.on("/s", stalled);

    RawClient head(server.port());
    head.send("HEAD /h HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(head.readAll(), "HTTP/1.1 200 OK\r\nContent-Length: 10\r\nConnection: close\r\n\r\n");

    RawClient stall(server.port());
    stall.send("GET /s HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(stall.readUntil("01234"),
              "HTTP/1.1 200 OK\r\nContent-Length: 10\r\nConnection: close\r\n\r\n01234");
    // The server's destructor ends the stalled connection instead of waiting for it.
}

}  // namespace
}  // namespace dq::testing
