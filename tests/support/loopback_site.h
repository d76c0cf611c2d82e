// A loopback test server that stands in for real web sites, in one line:
//
//   dq::testing::LoopbackSite site({"www.tianqi.com", "news.baidu.com:8443"});
//   site.server.on("www.tianqi.com", "/beijing/", CannedResponse::Ok(page));
//   Text got = dq::WebFetch("https://www.tianqi.com/beijing/");   // served by site.server
//
// Each host given as a bare name is routed on ports 80 and 443 (http and https both work,
// the server speaks both on its one port); "host:port" routes just that port. The routes
// last as long as the site. Routing any host confines the test process to the loopback
// interface (see web/loopback_routes.h): a host that a test forgot to route cannot be
// reached, so a test never leaves the machine.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "support/test_server.h"

namespace dq::testing {

class LoopbackSite {
public:
    explicit LoopbackSite(std::initializer_list<std::string> hosts);
    ~LoopbackSite();
    LoopbackSite(const LoopbackSite&) = delete;
    LoopbackSite& operator=(const LoopbackSite&) = delete;

    // Routes one more host (a bare name or "host:port") to this site's server.
    void route(const std::string& host);

    TestServer server;

private:
    std::vector<std::pair<std::string, int>> routes_;
};

// A loopback port on which nothing listens: a connection there is refused.
int ClosedLoopbackPort();

}  // namespace dq::testing
