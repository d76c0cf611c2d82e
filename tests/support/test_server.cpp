#include "support/test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <stdexcept>
#include <utility>

#include "support/server_stream.h"
#include "support/tls_identity.h"

namespace dq::testing {
namespace {

constexpr std::string_view kHeadEnd = "\r\n\r\n";

int OpenListener(const std::string& host, int& port) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener < 0) throw std::runtime_error("test server: socket failed");
    const int reuse = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1 ||
        (ntohl(address.sin_addr.s_addr) >> 24) != 127) {
        ::close(listener);
        throw std::runtime_error("test server: not a loopback address: " + host);
    }
    address.sin_port = 0;
    socklen_t size = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 64) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(listener);
        throw std::runtime_error("test server: cannot listen on " + host);
    }
    port = ntohs(address.sin_port);
    return listener;
}

// Reads one request: the head up to the blank line, then Content-Length body bytes, answering
// "Expect: 100-continue" in between. False when the peer closed before a whole head arrived.
bool ReadRequest(ServerStream& stream, RecordedRequest& request) {
    std::string received;
    std::size_t headEnd = std::string::npos;
    while ((headEnd = received.find(kHeadEnd)) == std::string::npos) {
        if (!stream.readSome(received)) return false;
    }
    request = ParseRequestHead(std::string_view(received).substr(0, headEnd));
    const std::size_t bodyStart = headEnd + kHeadEnd.size();
    const std::size_t length = AnnouncedContentLength(request);
    const std::optional<std::string> expect = request.header("Expect");
    if (expect && expect->find("100-continue") != std::string::npos &&
        received.size() < bodyStart + length)
        stream.writeAll("HTTP/1.1 100 Continue\r\n\r\n");
    while (received.size() < bodyStart + length) {
        if (!stream.readSome(received)) break;
    }
    request.raw = received;
    request.body = received.substr(bodyStart, length);
    request.secure = stream.secure();
    return true;
}

std::string RouteKey(const std::string& host, const std::string& target) {
    return host + " " + target;
}

}  // namespace

TestServer::TestServer(const std::string& address) : address_(address) {
    // A client that hangs up while an answer is being written must not end the test process.
    std::signal(SIGPIPE, SIG_IGN);
    tls_ = NewSelfSignedServerContext();
    listener_ = OpenListener(address_, port_);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

TestServer::~TestServer() {
    std::unique_lock lock(mutex_);
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    for (const int socket : openSockets_) ::shutdown(socket, SHUT_RDWR);
    stopped_.notify_all();
    lock.unlock();
    acceptor_.join();
    lock.lock();
    stopped_.wait(lock, [this] { return activeWorkers_ == 0; });
    lock.unlock();
    ::close(listener_);
    SSL_CTX_free(tls_);
}

std::string TestServer::url(const std::string& path, bool secure) const {
    return std::string(secure ? "https" : "http") + "://" + address_ + ":" + std::to_string(port_) +
           path;
}

void TestServer::on(const std::string& target, CannedResponse response) {
    on("", target, std::move(response));
}

void TestServer::on(const std::string& host, const std::string& target, CannedResponse response) {
    std::lock_guard lock(mutex_);
    routes_[RouteKey(host, target)] = std::move(response);
}

std::vector<RecordedRequest> TestServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

RecordedRequest TestServer::lastRequest() const {
    std::lock_guard lock(mutex_);
    return requests_.empty() ? RecordedRequest{} : requests_.back();
}

int TestServer::connectionCount() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

void TestServer::acceptLoop() {
    for (;;) {
        const int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        std::lock_guard lock(mutex_);
        if (stopping_) {
            if (socket >= 0) ::close(socket);
            return;
        }
        if (socket < 0) continue;
        ++connections_;
        ++activeWorkers_;
        openSockets_.push_back(socket);
        std::thread([this, socket] { serveConnection(socket); }).detach();
    }
}

void TestServer::serveConnection(int socket) {
    {
        ServerStream stream(socket, tls_);
        RecordedRequest request;
        if (ReadRequest(stream, request)) {
            const CannedResponse response = answerFor(request);
            const bool headOnly = request.method == "HEAD";
            {
                std::lock_guard lock(mutex_);
                requests_.push_back(std::move(request));
            }
            deliver(stream, response, headOnly);
        }
        // The socket leaves the list before the stream closes it, so the destructor never
        // shuts down a descriptor number that has been reused meanwhile.
        std::lock_guard lock(mutex_);
        openSockets_.erase(std::find(openSockets_.begin(), openSockets_.end(), socket));
    }
    std::lock_guard lock(mutex_);
    --activeWorkers_;
    stopped_.notify_all();  // under the lock: the destructor cannot finish before it returns
}

void TestServer::deliver(ServerStream& stream, const CannedResponse& response, bool headOnly) {
    using Delivery = CannedResponse::Delivery;
    switch (response.delivery) {
        case Delivery::Complete:
            stream.writeAll(SerializeResponse(response, headOnly));
            return;
        case Delivery::Raw:
            stream.writeAll(response.raw);
            return;
        case Delivery::NeverAnswer:
            waitUntilStopped();
            return;
        case Delivery::StallMidBody: {
            const std::string whole = SerializeResponse(response, false);
            stream.writeAll(std::string_view(whole).substr(0, whole.size() - response.body.size() / 2));
            waitUntilStopped();
            return;
        }
        case Delivery::Trickle: {
            const std::string whole = SerializeResponse(response, headOnly);
            const std::size_t head = whole.size() - (headOnly ? 0 : response.body.size());
            if (!stream.writeAll(std::string_view(whole).substr(0, head))) return;
            for (std::size_t i = head; i < whole.size(); ++i) {
                if (stoppedWithin(response.trickleInterval)) return;
                if (!stream.writeAll(std::string_view(whole).substr(i, 1))) return;
            }
            return;
        }
    }
}

CannedResponse TestServer::answerFor(const RecordedRequest& request) const {
    const std::string host = request.host();
    const std::string path = request.path();
    std::lock_guard lock(mutex_);
    for (const std::string& key : {RouteKey(host, request.target), RouteKey(host, path),
                                   RouteKey("", request.target), RouteKey("", path)}) {
        const auto found = routes_.find(key);
        if (found != routes_.end()) return found->second;
    }
    CannedResponse missing = CannedResponse::Ok("not found", "text/plain");
    missing.status = 404;
    missing.reason = "Not Found";
    return missing;
}

bool TestServer::stoppedWithin(std::chrono::milliseconds interval) {
    std::unique_lock lock(mutex_);
    return stopped_.wait_for(lock, interval, [this] { return stopping_; });
}

void TestServer::waitUntilStopped() {
    std::unique_lock lock(mutex_);
    stopped_.wait(lock, [this] { return stopping_; });
}

}  // namespace dq::testing
