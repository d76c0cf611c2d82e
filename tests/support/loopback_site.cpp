#include "support/loopback_site.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "web/loopback_routes.h"

namespace dq::testing {

LoopbackSite::LoopbackSite(std::initializer_list<std::string> hosts) {
    for (const std::string& host : hosts) route(host);
}

LoopbackSite::~LoopbackSite() {
    for (const auto& [host, port] : routes_) web::testing::RemoveRoute(host, port);
}

void LoopbackSite::route(const std::string& host) {
    const std::size_t colon = host.rfind(':');
    if (colon == std::string::npos) {
        for (const int port : {80, 443}) {
            web::testing::RouteToLoopback(host, port, server.port());
            routes_.emplace_back(host, port);
        }
        return;
    }
    const std::string name = host.substr(0, colon);
    const int port = std::stoi(host.substr(colon + 1));
    web::testing::RouteToLoopback(name, port, server.port());
    routes_.emplace_back(name, port);
}

int ClosedLoopbackPort() {
    // Bind an ephemeral port, note it and close it again: nothing listens there afterwards.
    const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0) throw std::runtime_error("ClosedLoopbackPort: socket failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    const bool ok = ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0;
    ::close(probe);
    if (!ok) throw std::runtime_error("ClosedLoopbackPort: bind failed");
    return ntohs(address.sin_port);
}

}  // namespace dq::testing
