#include "unattended/generate_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "unattended/exit_status.h"
#include "unattended/generate_fixture.h"
#include "web/encoding.h"

namespace dq {
namespace {

namespace fs = std::filesystem;
using testing::CannedResponse;
using testing::PortalSource;
using testing::ReadBytes;

class GenerateRunTest : public ::testing::Test, public testing::GenerateFixture {
protected:
    int run(GenerateOptions options = {}) {
        options.directory = directory.path();
        out.str("");
        err.str("");
        return RunGenerate(options, out, err);
    }

    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(GenerateRunTest, WritesWxTxtFromTheSavedPresetsAndReportsOnStandardError) {
    writePresets(MorningPresets());
    ASSERT_EQ(run(), exit_status::kDone) << err.str();
    EXPECT_EQ(ReadBytes(wxPath()), ExpectedBriefing());
    EXPECT_EQ(out.str(), "");
    // Progress in order, then the success window as a line; nothing else was said.
    EXPECT_EQ(err.str(), "weather… 石家庄\n"
                         "news… https://" + std::string(PortalSource().host) + "\n"
                         "quote…\n"
                         "written " + wxPath() + "\n"
                         "恭喜你，操作成功!\n");
    EXPECT_EQ(requestsFor(kWeatherSiteHost), 2);
    EXPECT_EQ(requestsFor(PortalSource().host), 2);
}

TEST_F(GenerateRunTest, PrintsTheBriefingAsUtf8InsteadOfWritingAFile) {
    writePresets(MorningPresets());
    ASSERT_EQ(run({.directory = {}, .output = {}, .print = true}), exit_status::kDone) << err.str();
    EXPECT_EQ(out.str(), AnsiToUtf8(ExpectedBriefing()));
    EXPECT_FALSE(fs::exists(wxPath()));
}

TEST_F(GenerateRunTest, WritesToTheOutputPathInsteadOfWxTxt) {
    writePresets(MorningPresets());
    const std::string output = directory.path() + "/today.txt";
    ASSERT_EQ(run({.directory = {}, .output = output, .print = false}), exit_status::kDone) << err.str();
    EXPECT_EQ(ReadBytes(output), ExpectedBriefing());
    EXPECT_FALSE(fs::exists(wxPath()));
}

TEST_F(GenerateRunTest, MessagesOfTheWindowBecomeLinesOnStandardError) {
    // The weather off runs its step at start; with no header of the user's it asks for one,
    // and the weather preview of the run says the weather is off.
    auto presets = MorningPresets();
    presets.erase(presets.begin() + 1);   // no 头部
    presets.back().second = "假";          // 天气开关
    writePresets(presets);
    ASSERT_EQ(run(), exit_status::kDone) << err.str();
    EXPECT_EQ(err.str().find("信息：Pemmik提示：自定义头部内容呢？老铁\n"), 0u) << err.str();
    EXPECT_NE(err.str().find("weather… 石家庄\n信息：Pemmik提示：先开启天气功能\nnews… "),
              std::string::npos)
        << err.str();
    EXPECT_EQ(requestsFor(kWeatherSiteHost), 0);
}

TEST_F(GenerateRunTest, PresetsWithoutACityOrASourceBuildNothing) {
    struct Case {
        const char* name;
        const char* key;
        const char* value;
        const char* said;
    };
    const Case cases[] = {
        {"no city", "城镇", "", "no city"},
        {"channel page, no radio button saved", "新闻选项", "0", "no chosen source"},
        {"hot-list page, no choice saved", "新闻选项卡", "1", "no chosen source"},
        {"custom page, no source chosen", "新闻选项卡", "3", "no custom news source"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto presets = MorningPresets();
        for (auto& preset : presets) {
            if (std::string(preset.first) == c.key) preset.second = c.value;
        }
        writePresets(presets);
        EXPECT_EQ(run(), exit_status::kNothingToBuild);
        EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(wxPath()));
    }
    EXPECT_TRUE(site.server.requests().empty());
}

TEST_F(GenerateRunTest, AFailedWriteAndAFailedExtractionHaveTheirOwnStatus) {
    struct Case {
        const char* name;
        bool newsBroken;
        bool outputBlocked;
        int status;
    };
    const Case cases[] = {
        {"news page without headlines", true, false, exit_status::kNewsFailed},
        {"file cannot be written", false, true, exit_status::kNotWritten},
        {"both: the unwritten file counts", true, true, exit_status::kNotWritten},
    };
    writePresets(MorningPresets());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        site.server.on(std::string(PortalSource().host), "/",
                       CannedResponse::Ok(c.newsBroken ? "<html>redesigned</html>" : NewsPage()));
        fs::remove_all(wxPath());
        // A directory in the way defeats the write for every user, root included.
        if (c.outputBlocked) fs::create_directory(wxPath());
        EXPECT_EQ(run(), c.status) << err.str();
        const bool matchFailed =
            err.str().find("信息：匹配失败，请检检查正则语句是否有误，数量：0") != std::string::npos;
        EXPECT_EQ(matchFailed, c.newsBroken) << err.str();
        EXPECT_EQ(err.str().find("恭喜你") != std::string::npos, !c.outputBlocked) << err.str();
    }
}

TEST_F(GenerateRunTest, ReadsTheHotListChoiceAndTheEncodingFromOurOwnSection) {
    auto presets = MorningPresets();
    presets[4].second = "1";  // 新闻选项卡: the hot lists
    writePresets(presets, {{"网站热搜选项", "单选框_知乎"}});
    // The hot-list page of 知乎 answers with a table the pattern does not know: the run gets
    // that far, and says so.
    site.route("tophub.today");
    site.server.on("tophub.today", "/n/mproPpoq6O", CannedResponse::Ok("<table></table>"));
    EXPECT_EQ(run(), exit_status::kNewsFailed) << err.str();
    EXPECT_NE(err.str().find("news… https://tophub.today/n/mproPpoq6O\n"), std::string::npos)
        << err.str();
    EXPECT_EQ(requestsFor("tophub.today"), 2);
}

}  // namespace
}  // namespace dq
