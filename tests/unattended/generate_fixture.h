// Shared set-up of the tests of the unattended briefing: loopback stand-ins for the weather
// site and the news portal, a run directory with a preset file, and the briefing the saved
// presets should give.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "content/news_catalogue.h"
#include "content/quotes.h"
#include "content/weather.h"
#include "support/loopback_site.h"
#include "web/encoding.h"
#include "web/text.h"
#include "workbench/presets_temp_dir.h"

namespace dq::testing {

// The quote every draw takes while these tests run.
inline constexpr std::size_t kFixedQuote = 3;

inline Bytes ReadFixture(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline const NewsSource& PortalSource() { return NewsCatalogue().front(); }

class GenerateFixture {
public:
    // Key and value in UTF-8.
    using Preset = std::pair<const char*, const char*>;

    GenerateFixture() {
        FixQuoteDraw(kFixedQuote);
        site.route(std::string(PortalSource().host));
        site.server.on(std::string(kWeatherSiteHost), "/shijiazhuang/",
                       CannedResponse::Ok(ReadFixture(Fixtures() / "shijiazhuang.html")));
        site.server.on(std::string(PortalSource().host), "/", CannedResponse::Ok(NewsPage()));
    }
    ~GenerateFixture() { FixQuoteDraw(0); }

    static std::filesystem::path Fixtures() { return DQ_BRIEFING_FIXTURES; }
    static Bytes NewsPage() {
        return ReadFixture(std::filesystem::path(DQ_NEWS_FIXTURES) / "portal_home.html");
    }

    // Weather on with a header of the user's that reads like the default one, the general
    // news portal with links, five headlines, the quote header "每日寄语".
    static std::vector<Preset> MorningPresets() {
        return {{"城镇", "石家庄"},          {"头部", "12月11日石家庄早报"},
                {"寄语头部", "每日寄语"},    {"新闻条数选", "5"},
                {"新闻选项卡", "0"},         {"新闻选项", "1"},
                {"网址链接是否开启", "真"},  {"网址短链是否开启", "假"},
                {"天气开关", "真"}};
    }

    // The preset file in GBK with CR LF lines: section "配置文件", then our own presets.
    void writePresets(const std::vector<Preset>& presets,
                      const std::vector<Preset>& own = {}) const {
        std::string file = Utf8ToAnsi("[配置文件]") + "\r\n";
        for (const auto& [key, value] : presets) file += Utf8ToAnsi(key) + "=" + Utf8ToAnsi(value) + "\r\n";
        if (!own.empty()) file += "[Dawnquill]\r\n";
        for (const auto& [key, value] : own) file += Utf8ToAnsi(key) + "=" + Utf8ToAnsi(value) + "\r\n";
        WriteBytes(directory.path() + "/配置文件.ini", file);
    }

    // The briefing of MorningPresets: the one-click golden file with the fixed quote in place
    // of the quote the golden test typed.
    static Text ExpectedBriefing() {
        const Text golden = ReadFixture(Fixtures() / "golden_wx.txt");
        const std::vector<Text> quotes = text::Split(QuoteLibrary(1), "\r\n");
        return text::ReplaceAll(golden, Utf8ToAnsi("千里之行，始于足下。"), quotes.at(kFixedQuote - 1));
    }

    std::string wxPath() const { return directory.path() + "/wx.txt"; }

    int requestsFor(std::string_view host) const {
        int count = 0;
        for (const auto& request : site.server.requests()) count += request.host() == host;
        return count;
    }

    LoopbackSite site{{std::string(kWeatherSiteHost)}};
    TempDir directory;
};

}  // namespace dq::testing
