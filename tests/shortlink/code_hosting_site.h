// A loopback stand-in for the code-hosting site that publishes the short-link plug-ins: the
// list document and the plug-in documents of tests/shortlink/fixtures, served at their real
// addresses on gitee.com, and the short-link service "dwz.example" they describe.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/loopback_site.h"

namespace dq::testing {

inline std::string ShortLinkFixture(const std::string& name) {
    std::ifstream in(std::filesystem::path(DQ_SHORTLINK_FIXTURES) / name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline constexpr const char* kRawFolder = "/Pemmik/Short-Url/raw/master/";

struct CodeHostingSite {
    CodeHostingSite() {
        site.server.on("gitee.com", std::string(kRawFolder) + "PlugList.json",
                       CannedResponse::Ok(ShortLinkFixture("PlugList.json"), "text/plain"));
        for (const char* plugin : {"sina.json", "baidu.json", "broken.json", "noapi.json", "last.json"})
            site.server.on("gitee.com", std::string(kRawFolder) + "plug/" + plugin,
                           CannedResponse::Ok(ShortLinkFixture(std::string("plug/") + plugin),
                                              "text/plain"));
    }

    // Answers a request of the service for target ("/api?url=%68...") with body.
    void answer(const std::string& target, const std::string& body) {
        site.server.on("dwz.example", target, CannedResponse::Ok(body, "application/json"));
    }

    LoopbackSite site{{std::string("gitee.com"), std::string("dwz.example")}};
};

}  // namespace dq::testing
