// A real HTTP and HTTPS server on 127.0.0.1 for network tests.
//
//   dq::testing::TestServer server;                       // listens at once, ephemeral port
//   server.on("/page", CannedResponse::Ok("<p>hi</p>"));  // any path, any host
//   server.on("news.baidu.com", "/", CannedResponse::Ok("baidu"));  // only for that Host
//   ... fetch server.url("/page") or a routed real URL (see loopback_site.h) ...
//   RecordedRequest r = server.lastRequest();             // the exact bytes that arrived
//
// One port serves both schemes: a connection that opens with a TLS handshake gets TLS with a
// self-signed "localhost" certificate made at test time; any other is plain HTTP. Each
// connection is one request and one answer ("Connection: close"); a request body is read by
// its Content-Length, and "Expect: 100-continue" is answered. Routes are matched by Host (when
// given) and then by the full target ("/a?b=1"), then by the path alone ("/a"); an unmatched
// request gets 404. Canned answers can be complete, stall before answering, stop mid-body or
// be raw bytes or trickle in (canned_response.h). Every request is recorded before it is answered, so a
// client call that has returned finds its request in requests(). The destructor stops the
// server, wakes any stalled connection and joins every thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/canned_response.h"
#include "support/recorded_request.h"

typedef struct ssl_ctx_st SSL_CTX;

namespace dq::testing {

class ServerStream;

class TestServer {
public:
    // Listens on address, a loopback IPv4 address ("127.0.0.2" serves tests that need a
    // second loopback host).
    explicit TestServer(const std::string& address = "127.0.0.1");
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    int port() const { return port_; }
    // "http://<address>:<port>" + path, or "https://..." when secure.
    std::string url(const std::string& path = "/", bool secure = false) const;

    // Answers requests for target (a path, or a path with query) on any host.
    void on(const std::string& target, CannedResponse response);
    // Answers requests for target only when the Host header names host (port ignored).
    void on(const std::string& host, const std::string& target, CannedResponse response);

    // Every request received so far, in arrival order.
    std::vector<RecordedRequest> requests() const;
    // The latest request; an empty record when none has arrived.
    RecordedRequest lastRequest() const;
    // How many connections were accepted (including ones that sent no request).
    int connectionCount() const;

private:
    void acceptLoop();
    void serveConnection(int socket);
    void deliver(ServerStream& stream, const CannedResponse& response, bool headOnly);
    CannedResponse answerFor(const RecordedRequest& request) const;
    void waitUntilStopped();
    // Waits for interval or until the server stops; true when it stopped.
    bool stoppedWithin(std::chrono::milliseconds interval);

    std::string address_;
    int listener_ = -1;
    int port_ = 0;
    SSL_CTX* tls_ = nullptr;
    std::thread acceptor_;

    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::map<std::string, CannedResponse> routes_;  // key: host + " " + target
    std::vector<RecordedRequest> requests_;
    std::vector<int> openSockets_;
    int activeWorkers_ = 0;  // detached connection threads still running
    int connections_ = 0;
};

}  // namespace dq::testing
