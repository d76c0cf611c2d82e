// The method numbers both request engines take: 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS,
// 5 DELETE, 6 TRACE, 7 CONNECT; any other number counts as 0.
#pragma once

#include <array>
#include <string_view>

namespace dq::web {

inline constexpr std::array<std::string_view, 8> kVerbs = {
    "GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"};

inline constexpr int kPostMethod = 1;
inline constexpr int kHeadMethod = 2;

// The method number as used: numbers outside the table become 0 (GET).
constexpr int ClampMethod(int method) {
    return method >= 0 && method < static_cast<int>(kVerbs.size()) ? method : 0;
}

constexpr std::string_view VerbName(int method) {
    return kVerbs[static_cast<std::size_t>(ClampMethod(method))];
}

}  // namespace dq::web
