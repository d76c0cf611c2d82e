// A loopback test server in a child process, so that a benchmark's client and server do not
// share a process: the child serves until the parent closes its end of the pipe.
//
//   ForkedServer server({{"/page", CannedResponse::Ok(page)}});
//   ... fetch server.url("/page") ...
//
// Make it before the benchmark starts threads of its own: the child is a fork of the caller.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/test_server.h"

namespace dq::bench {

class ForkedServer {
public:
    using Routes = std::vector<std::pair<std::string, dq::testing::CannedResponse>>;

    explicit ForkedServer(const Routes& routes) {
        int toChild[2];
        int toParent[2];
        if (::pipe(toChild) != 0 || ::pipe(toParent) != 0) throw std::runtime_error("pipe failed");
        child_ = ::fork();
        if (child_ < 0) throw std::runtime_error("fork failed");
        if (child_ == 0) {
            ::close(toChild[1]);
            ::close(toParent[0]);
            Serve(routes, toChild[0], toParent[1]);
        }
        ::close(toChild[0]);
        ::close(toParent[1]);
        keepAlive_ = toChild[1];
        int port = 0;
        const bool told = ::read(toParent[0], &port, sizeof port) == sizeof port;
        ::close(toParent[0]);
        if (!told) throw std::runtime_error("the server process did not start");
        port_ = port;
    }

    ~ForkedServer() {
        ::close(keepAlive_);  // the child sees end of file and leaves
        ::waitpid(child_, nullptr, 0);
    }

    ForkedServer(const ForkedServer&) = delete;
    ForkedServer& operator=(const ForkedServer&) = delete;

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    int port() const { return port_; }

private:
    [[noreturn]] static void Serve(const Routes& routes, int fromParent, int toParent) {
        {
            dq::testing::TestServer server;
            for (const auto& [target, response] : routes) server.on(target, response);
            const int port = server.port();
            if (::write(toParent, &port, sizeof port) != sizeof port) ::_exit(1);
            ::close(toParent);
            char byte;
            while (::read(fromParent, &byte, 1) > 0) {
            }
        }
        ::_exit(0);
    }

    pid_t child_ = -1;
    int keepAlive_ = -1;
    int port_ = 0;
};

}  // namespace dq::bench
