// Test-only routing of real host names to loopback servers.
//
// Network tests use the program's real URLs ("https://www.tianqi.com/beijing/") while every
// connection goes to a server on 127.0.0.1 that the test started. Once a process has routed
// any host, it is confined to the loopback interface for the rest of its life: a connection
// to a host that has no route (a redirect elsewhere included) goes to a closed loopback port
// and fails, and a proxy that is not on 127.0.0.1 is refused. The shipped program never calls
// the testing functions, so its requests are unaffected; no option or environment variable
// turns routing on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dq::web {

namespace testing {

// Requests for host:port connect to 127.0.0.1:loopbackPort instead. Host names compare
// ignoring case; a later route for the same host:port replaces the earlier one.
void RouteToLoopback(std::string_view host, int port, int loopbackPort);
// Drops the route of host:port.
void RemoveRoute(std::string_view host, int port);
// Drops every route; the process stays confined to loopback.
void ClearRoutes();

}  // namespace testing

// The libcurl connect-to entries ("host:port:127.0.0.1:loopbackPort") the routes ask for,
// ending with the loopback confinement entries once routing is in use; empty otherwise.
std::vector<std::string> LoopbackConnectTo();

// False when a request through this proxy would leave the machine while confined.
bool ProxyAllowed(std::string_view proxy);

}  // namespace dq::web
