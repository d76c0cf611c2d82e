#include "workbench/briefing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "content/news_catalogue.h"
#include "content/weather.h"
#include "support/fake_form.h"
#include "support/loopback_site.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

namespace fs = std::filesystem;
using testing::CannedResponse;
using testing::FakeForm;
using testing::RecordingMessages;

Text Gbk(std::string_view utf8) { return Utf8ToAnsi(utf8); }

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Fixture(const std::string& name) { return ReadFile(fs::path(DQ_BRIEFING_FIXTURES) / name); }

Bytes NewsPage() { return ReadFile(fs::path(DQ_NEWS_FIXTURES) / "portal_home.html"); }

const NewsSource& PortalEntry() { return NewsCatalogue().front(); }

// A fresh directory for wx.txt, removed with everything in it at the end.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern = (fs::temp_directory_path() / "briefing-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ScratchDirectory() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }
    fs::path file() const { return path_ / "wx.txt"; }

private:
    fs::path path_;
};

// The main window as it stands when the user clicks 一键生成: weather on with the default
// header for 石家庄, the general news portal chosen with links on, five headlines, the default
// quote header over a quote the user typed.
class GenerateBriefingTest : public ::testing::Test {
protected:
    GenerateBriefingTest() {
        site.route(std::string(PortalEntry().host));
        site.server.on(std::string(kWeatherSiteHost), "/shijiazhuang/",
                       CannedResponse::Ok(Fixture("shijiazhuang.html")));
        site.server.on(std::string(PortalEntry().host), "/", CannedResponse::Ok(NewsPage()));

        form.setChecked(controls::kWeatherOn, true);
        form.setChecked(controls::kDefaultHeader, true);
        form.setText(controls::kCity, Gbk("石家庄"));
        form.setText(controls::kWeatherBox, Gbk("Dawnquill头部"));
        form.setCurrentIndex(controls::kNewsTabs, 0);
        form.setChecked(controls::kNewsGeneral, true);
        form.setChecked(controls::kLinksOn, true);
        form.setText(controls::kNewsBox, Gbk("点击新闻预览"));
        form.setChecked(controls::kQuoteDefaultHeader, true);
        form.setText(controls::kQuoteBox, Gbk("千里之行，始于足下。"));
        state.newsCount = 5;
    }

    void generate() { GenerateBriefing(form, state, messages, scratch.path().string()); }

    void switchWeatherOff() {
        form.setChecked(controls::kWeatherOn, false);
        form.setChecked(controls::kWeatherOff, true);
        WeatherOffStep(form, state, messages);
        messages.shown.clear();
    }

    int requestsFor(std::string_view host) const {
        int count = 0;
        for (const auto& request : site.server.requests()) count += request.host() == host;
        return count;
    }

    testing::LoopbackSite site{{std::string(kWeatherSiteHost)}};
    ScratchDirectory scratch;
    FakeForm form;
    WorkbenchState state;
    RecordingMessages messages;
};

TEST_F(GenerateBriefingTest, ReplacesWxTxtWithTheRebuiltBriefing) {
    std::ofstream(scratch.file(), std::ios::binary) << std::string(4096, 'x');
    generate();
    EXPECT_EQ(ReadFile(scratch.file()), Fixture("golden_wx.txt"));
    EXPECT_EQ(BriefingText(form), Fixture("golden_wx.txt"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.successWindows, 1);
    // The weather page twice (preview and range line), the news page twice (the news
    // preview and the one the quote preview runs).
    EXPECT_EQ(requestsFor(kWeatherSiteHost), 2);
    EXPECT_EQ(requestsFor(PortalEntry().host), 2);
}

TEST_F(GenerateBriefingTest, StopsBeforeRebuildingWhenABoxCheckFails) {
    struct Case {
        const char* name;
        void (*prepare)(FakeForm&);
        const char* message;
    };
    const Case cases[] = {
        {"cleared previews", [](FakeForm& f) { ClearPreviews(f); }, "新闻内容为空"},
        {"no city", [](FakeForm& f) { f.setText(controls::kCity, ""); }, "还没选城市呢，老铁！"},
        {"no city, weather off",
         [](FakeForm& f) {
             f.setText(controls::kCity, "");
             f.setChecked(controls::kWeatherOn, false);
         },
         "还没选城市呢，老铁！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeForm before = form;
        c.prepare(before);
        FakeForm after = before;
        RecordingMessages shown;
        GenerateBriefing(after, state, shown, scratch.path().string());
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].text, Gbk(c.message));
        EXPECT_EQ(shown.successWindows, 0);
        EXPECT_EQ(after.texts, before.texts);
    }
    EXPECT_FALSE(fs::exists(scratch.file()));
    EXPECT_TRUE(site.server.requests().empty());
}

TEST_F(GenerateBriefingTest, ClearPreviewsEmptiesOnlyThePreviewBoxes) {
    ClearPreviews(form);
    EXPECT_EQ(form.text(controls::kWeatherBox), "");
    EXPECT_EQ(form.text(controls::kNewsBox), "");
    EXPECT_EQ(form.text(controls::kQuoteBox), Gbk("千里之行，始于足下。"));
}

TEST_F(GenerateBriefingTest, WithTheWeatherOffTheFileOpensWithTheHeaderAndOneSeparator) {
    switchWeatherOff();
    generate();
    EXPECT_EQ(ReadFile(scratch.file()),
              Gbk("石家庄早报\r\n━━━━━━━━━━━━━━\r\n") + Fixture("golden_news.txt"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, Gbk("Pemmik提示：先开启天气功能"));
    EXPECT_EQ(requestsFor(kWeatherSiteHost), 0);
}

TEST_F(GenerateBriefingTest, WithoutANewsSourceEachRunAppendsOneMoreQuoteBlock) {
    switchWeatherOff();
    form.setCurrentIndex(controls::kNewsTabs, 2);
    form.setText(controls::kNewsBox, "old news\r\n");
    const Text weather = Gbk("石家庄早报\r\n━━━━━━━━━━━━━━\r\n");
    const Text quoteBlock = Gbk("━━━━━━━━━━━━━━\r\n每日寄语\r\n千里之行，始于足下。");

    generate();
    EXPECT_EQ(ReadFile(scratch.file()), weather + "old news\r\n" + quoteBlock);
    generate();
    EXPECT_EQ(ReadFile(scratch.file()), weather + "old news\r\n" + quoteBlock + quoteBlock);
    EXPECT_EQ(messages.successWindows, 2);
    EXPECT_EQ(requestsFor(PortalEntry().host), 0);
}

TEST_F(GenerateBriefingTest, ReportsAWxTxtThatCannotBeWrittenInsteadOfSuccess) {
    // A directory in the way defeats the write for every user, root included.
    fs::create_directory(scratch.file());
    generate();
    EXPECT_EQ(messages.successWindows, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    const Text& text = messages.shown[0].text;
    EXPECT_NE(text.find(Utf8ToAnsi(scratch.file().string())), Text::npos) << text;
    EXPECT_NE(text.find("directory"), Text::npos) << text;
    EXPECT_TRUE(fs::is_directory(scratch.file()));
    // The previews were rebuilt all the same.
    EXPECT_EQ(BriefingText(form), Fixture("golden_wx.txt"));
}

class RecordingClipboard : public Clipboard {
  public:
    void setText(const Text& text) override { copied.push_back(text); }
    std::vector<Text> copied;
};

TEST(CopyBriefing, CopiesTheBoxesAsTheyAreAndShowsSuccess) {
    FakeForm form;
    // Line ends of every kind and a GBK character pass through unchanged; nothing is rebuilt,
    // so the news box's stale text is what is copied.
    form.setText(controls::kWeatherBox, Gbk("石家庄早报\r\n") + "a\rb\n");
    form.setText(controls::kNewsBox, "1.stale\r\n");
    form.setText(controls::kCity, "");
    RecordingClipboard clipboard;
    RecordingMessages messages;
    CopyBriefing(form, clipboard, messages);
    EXPECT_EQ(clipboard.copied, std::vector<Text>{Gbk("石家庄早报\r\n") + "a\rb\n1.stale\r\n"});
    EXPECT_EQ(messages.successWindows, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(form.text(controls::kNewsBox), "1.stale\r\n");
}

}  // namespace
}  // namespace dq
