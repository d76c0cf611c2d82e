#include "web/loopback_routes.h"

#include <map>
#include <mutex>
#include <utility>

#include "web/text.h"
#include "web/text_utils.h"

namespace dq::web {
namespace {

// Nothing listens on port 1 of 127.0.0.1 for an unprivileged test, so a connection there
// is refused at once.
constexpr std::string_view kClosedLoopback = "127.0.0.1:1";

struct RouteTable {
    std::mutex mutex;
    std::map<std::pair<Text, int>, int> routes;  // (lower-case host, port) -> loopback port
    bool confined = false;
};

RouteTable& Table() {
    static RouteTable table;
    return table;
}

bool IsLoopbackHost(std::string_view host) {
    return host == "localhost" || host.starts_with("127.");
}

}  // namespace

namespace testing {

void RouteToLoopback(std::string_view host, int port, int loopbackPort) {
    RouteTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.routes[{text::Lower(host), port}] = loopbackPort;
    table.confined = true;
}

void RemoveRoute(std::string_view host, int port) {
    RouteTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.routes.erase({text::Lower(host), port});
}

void ClearRoutes() {
    RouteTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.routes.clear();
}

}  // namespace testing

std::vector<std::string> LoopbackConnectTo() {
    RouteTable& table = Table();
    std::lock_guard lock(table.mutex);
    std::vector<std::string> entries;
    if (!table.confined) return entries;
    for (const auto& [key, loopbackPort] : table.routes)
        entries.push_back(key.first + ":" + std::to_string(key.second) + ":127.0.0.1:" +
                          std::to_string(loopbackPort));
    // Loopback addresses keep their own host and port (an entry must name a host to end the
    // search); every other host is sent nowhere.
    entries.emplace_back("127.0.0.1::127.0.0.1:");
    entries.emplace_back("localhost::localhost:");
    entries.push_back("::" + std::string(kClosedLoopback));
    return entries;
}

bool ProxyAllowed(std::string_view proxy) {
    if (proxy.empty()) return true;
    RouteTable& table = Table();
    {
        std::lock_guard lock(table.mutex);
        if (!table.confined) return true;
    }
    return IsLoopbackHost(UrlHost(proxy));
}

}  // namespace dq::web
