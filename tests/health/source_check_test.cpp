#include "health/source_check.h"

#include <gtest/gtest.h>

#include <mutex>
#include <set>
#include <sstream>
#include <thread>

#include "health/check_run.h"
#include "health/source_table.h"
#include "support/loopback_site.h"
#include "web/encoding.h"
#include "web/fetch_limits.h"
#include "workbench/presets_temp_dir.h"

namespace dq {
namespace {

using testing::CannedResponse;

constexpr const char* kPortal = "www.chinanews.com.cn";

Bytes PortalPage() {
    std::ifstream in(std::string(DQ_NEWS_FIXTURES) + "/portal_home.html", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The general news portal's entry, pointed at a path of the loopback site.
SourceToCheck PortalAt(const std::string& path, Text pattern = NewsPattern(1)) {
    return {Utf8ToAnsi("频道新闻"), Utf8ToAnsi("综合"), {"https://" + std::string(kPortal) + path, pattern, true, {}}, true};
}

class SourceCheckTest : public ::testing::Test {
protected:
    SourceCheckTest() {
        site.server.on(kPortal, "/", CannedResponse::Ok(PortalPage()));
        site.server.on(kPortal, "/redesigned", CannedResponse::Ok("<html><ul></ul></html>"));
        CannedResponse failing = CannedResponse::Ok("<h1>oops</h1>");
        failing.status = 503;
        failing.reason = "Service Unavailable";
        site.server.on(kPortal, "/down", failing);
    }

    testing::LoopbackSite site{{kPortal}};
    // An unreachable host fails at once on the closed port; keep a stalled one short as well.
    web::testing::ScopedFetchLimits limits{{std::chrono::milliseconds(2000), std::chrono::seconds(2),
                                            1u << 20}};
};

TEST_F(SourceCheckTest, EachSourceGivesItsStatusSizeMatchesAndFirstHeadline) {
    struct Case {
        const char* name;
        SourceToCheck source;
        std::vector<std::string> cells;  // host onwards, time left out
    };
    const std::string size = std::to_string(PortalPage().size());
    const Case cases[] = {
        {"good", PortalAt("/"), {kPortal, "200", size, "7", "要闻一"}},
        {"matches nothing", PortalAt("/redesigned"), {kPortal, "200", "22", "0", "✗ 无匹配"}},
        {"server error", PortalAt("/down"), {kPortal, "503", "13", "0", "✗ 无匹配"}},
        {"pattern does not compile", PortalAt("/", "(unclosed"), {kPortal, "200", size, "正则错误", "✗ 无匹配"}},
        {"unreachable", {Utf8ToAnsi("频道新闻"), Utf8ToAnsi("国内"), {"http://news.baidu.com/guonei", NewsPattern(2), true, {}}, true},
         {"news.baidu.com", "—", "0", "0", "✗ 无匹配"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SourceCheck check = CheckSource(c.source);
        std::vector<std::string> cells = SourceTableRow(c.source, check);
        ASSERT_EQ(cells.size(), 8u);
        cells.erase(cells.begin() + 5);  // the time
        cells.erase(cells.begin(), cells.begin() + 2);
        EXPECT_EQ(cells, c.cells);
    }
}

TEST_F(SourceCheckTest, ChecksRunOnSeveralThreadsAndEverySourceIsReportedOnce) {
    std::vector<SourceToCheck> sources;
    for (int i = 0; i < 20; ++i) sources.push_back(PortalAt(i % 2 ? "/" : "/redesigned"));
    std::mutex mutex;
    std::multiset<std::size_t> reported;
    std::set<std::thread::id> threads;
    CheckSources(sources, [&](std::size_t index, const SourceCheck& check) {
        const std::lock_guard lock(mutex);
        reported.insert(index);
        threads.insert(std::this_thread::get_id());
        EXPECT_EQ(check.matchesNothing(), index % 2 == 0) << index;
    }, 8);
    EXPECT_EQ(reported.size(), sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i) EXPECT_EQ(reported.count(i), 1u) << i;
    EXPECT_GT(threads.size(), 1u);
    EXPECT_LE(threads.size(), 8u);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0u);
    EXPECT_EQ(site.server.requests().size(), sources.size());
}

TEST_F(SourceCheckTest, TheCommandLineCheckPrintsTheTableAndFailsOnABrokenBuiltInSource) {
    testing::TempDir directory;
    // The chosen custom source is the portal page, which is also the first built-in source;
    // every other built-in source is unreachable here.
    testing::WriteBytes(directory.path() + "/配置文件.ini",
                        Utf8ToAnsi("[配置文件]\r\n信息源名称=我的门户\r\n信息源网址=https://") +
                            kPortal + "/\r\n" + Utf8ToAnsi("信息源正则=") + NewsPattern(1) + "\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(RunCheckSources(directory.path(), out, err), 1);

    std::vector<std::string> lines;
    std::istringstream table(out.str());
    for (std::string line; std::getline(table, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 1u + 39u + 1u) << out.str();
    EXPECT_EQ(lines[0].rfind("页面", 0), 0u);
    EXPECT_NE(lines[0].find("第一条标题"), std::string::npos);
    EXPECT_NE(lines[1].find("要闻一"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("✗ 无匹配"), std::string::npos) << lines[2];
    EXPECT_EQ(lines.back().rfind("自定义信息源", 0), 0u) << lines.back();
    EXPECT_NE(lines.back().find("我的门户"), std::string::npos);
    EXPECT_NE(lines.back().find("要闻一"), std::string::npos) << lines.back();
    EXPECT_NE(err.str().find("38 built-in source(s) match nothing"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace dq
