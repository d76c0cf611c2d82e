// The creation sequence: what the window looks like after starting with no preset file and
// with presets written by an earlier save.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "content/quotes.h"
#include "content/weather.h"
#include "test_main_window_fixture.h"
#include "web/text.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::MainWindowTest;

class MainWindowStart : public MainWindowTest {
protected:
  bool checked(std::string_view name) const { return find<QAbstractButton>(name)->isChecked(); }
  QString text(std::string_view name) const { return ToQ(form->text(name)); }
  static QString ToQ(const Text& gbk) { return QString::fromStdString(AnsiToUtf8(gbk)); }
};

TEST_F(MainWindowStart, FirstStartWithoutPresetFile) {
    open();
    EXPECT_EQ(text(controls::kCity), "");
    EXPECT_EQ(text(controls::kCustomHeader), "");
    EXPECT_EQ(text(controls::kQuoteHeaderBox), "");
    EXPECT_EQ(find<QComboBox>(controls::kNewsCount)->currentIndex(), -1);
    EXPECT_EQ(state.newsCount, 0);
    EXPECT_EQ(find<QTabWidget>(controls::kNewsTabs)->currentIndex(), 0);
    for (auto* radio : find<QWidget>("选择夹页_频道新闻")->findChildren<QRadioButton*>()) {
        EXPECT_FALSE(radio->isChecked()) << radio->objectName().toStdString();
    }
    EXPECT_FALSE(checked(controls::kLinksOn));
    EXPECT_FALSE(checked(controls::kShortLinksOn));
    // Both custom header radio buttons are checked and their boxes stay visible.
    EXPECT_TRUE(checked(controls::kCustomHeaderChoice));
    EXPECT_TRUE(checked(controls::kQuoteCustomHeader));
    EXPECT_FALSE(find<QWidget>(controls::kCustomHeader)->isHidden());
    EXPECT_FALSE(find<QWidget>(controls::kQuoteHeaderBox)->isHidden());

    // The missing weather switch is not "真": the weather-off step ran, and with an empty
    // custom header it asked for one.
    EXPECT_TRUE(checked(controls::kWeatherOff));
    EXPECT_FALSE(checked(controls::kWeatherOn));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Pemmik提示：自定义头部内容呢？老铁")});
    EXPECT_EQ(form->text(controls::kWeatherBox), WeatherSeparator());
    EXPECT_EQ(find<QWidget>(controls::kNewsBox)->geometry(), QRect(16, 45, 226, 400));

    EXPECT_EQ(text(controls::kCurrentSourceLabel), QStringLiteral("当前选择："));
    EXPECT_TRUE(state.sourceName.empty() && state.sourceUrl.empty() && state.sourcePattern.empty());
    EXPECT_EQ(find<QComboBox>(controls::kSkinChoice)->currentText(),
              QStringLiteral("大海蓝色（系统默认）"));
    EXPECT_TRUE(windows().isEmpty());
}

TEST_F(MainWindowStart, DrawsAQuoteOfTheFirstLibrary) {
    open();
    const Text quote = form->text(controls::kQuoteBox);
    ASSERT_FALSE(quote.empty());
    const std::vector<Text> library = text::Split(QuoteLibrary(1), "\r\n");
    EXPECT_NE(std::find(library.begin(), library.end(), quote), library.end());
}

TEST_F(MainWindowStart, RestoresSavedPresets) {
    writePresets({
        {"城镇", "石家庄"},
        {"头部", "早安石家庄"},
        {"寄语", "不读回的寄语"},
        {"寄语头部", "今日寄语"},
        {"皮肤", "3"},
        {"新闻条数选", "8"},
        {"新闻选项卡", "0"},
        {"新闻选项", "2"},
        {"网址链接是否开启", "真"},
        {"网址短链是否开启", "假"},
        {"天气开关", "真"},
        {"信息源名称", "科技频道"},
        {"信息源网址", "http://127.0.0.1/list.html"},
        {"信息源正则", "<a>(.*?)</a>"},
    });
    open();
    EXPECT_EQ(text(controls::kCity), QStringLiteral("石家庄"));
    EXPECT_EQ(text(controls::kCustomHeader), QStringLiteral("早安石家庄"));
    EXPECT_EQ(text(controls::kQuoteHeaderBox), QStringLiteral("今日寄语"));
    EXPECT_NE(text(controls::kQuoteBox), QStringLiteral("不读回的寄语"));
    EXPECT_EQ(find<QComboBox>(controls::kSkinChoice)->currentText(), QStringLiteral("简约黑"));
    EXPECT_EQ(find<QComboBox>(controls::kNewsCount)->currentText(), QStringLiteral("8"));
    EXPECT_EQ(state.newsCount, 8);
    EXPECT_EQ(find<QTabWidget>(controls::kNewsTabs)->currentIndex(), 0);
    EXPECT_TRUE(checked(controls::kNewsDomestic));
    EXPECT_TRUE(checked(controls::kLinksOn));
    EXPECT_FALSE(checked(controls::kShortLinksOn));
    // Weather on: the design layout and the weather box's design text stay.
    EXPECT_TRUE(checked(controls::kWeatherOn));
    EXPECT_FALSE(checked(controls::kWeatherOff));
    EXPECT_EQ(text(controls::kWeatherBox), QStringLiteral("Dawnquill头部"));
    EXPECT_EQ(find<QWidget>(controls::kNewsBox)->geometry(), QRect(16, 146, 226, 325));
    EXPECT_EQ(ToQ(state.sourceName), QStringLiteral("科技频道"));
    EXPECT_EQ(state.sourceUrl, "http://127.0.0.1/list.html");
    EXPECT_EQ(state.sourcePattern, "<a>(.*?)</a>");
    EXPECT_EQ(text(controls::kCurrentSourceLabel), QStringLiteral("当前选择：科技频道"));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MainWindowStart, NewsCountSelectsItsEntryOrNothing) {
    const struct {
        const char* saved;
        int selection;
        int newsCount;
    } cases[] = {{"5", 0, 5}, {"8", 3, 8}, {"12", 7, 12}, {"4", -1, 4}, {"13", -1, 13},
                 {"-2147483648", -1, -2147483647 - 1}, {"x", -1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        writePresets({{"新闻条数选", c.saved}, {"天气开关", "真"}});
        open();
        EXPECT_EQ(find<QComboBox>(controls::kNewsCount)->currentIndex(), c.selection);
        EXPECT_EQ(state.newsCount, c.newsCount);
    }
}

TEST_F(MainWindowStart, WeatherIsOnOnlyForTrue) {
    const struct {
        const char* saved;
        bool on;
    } cases[] = {{"真", true}, {"假", false}, {"1", false}, {"true", false}, {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        writePresets({{"天气开关", c.saved}, {"头部", "早报"}});
        open();
        EXPECT_EQ(checked(controls::kWeatherOn), c.on);
        EXPECT_EQ(checked(controls::kWeatherOff), !c.on);
        EXPECT_EQ(find<QWidget>(controls::kNewsBox)->y(), c.on ? 146 : 45);
        EXPECT_EQ(text(controls::kWeatherBox).startsWith(QStringLiteral("早报")), !c.on);
    }
}

TEST_F(MainWindowStart, ShortLinksOnImplyLinksOn) {
    const struct {
        const char* links;
        const char* shortLinks;
        bool linksChecked;
        bool shortLinksChecked;
    } cases[] = {{"假", "真", true, true}, {"真", "假", true, false}, {"假", "假", false, false},
                 {"", "真", true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.links) + "/" + c.shortLinks);
        writePresets({{"网址链接是否开启", c.links}, {"网址短链是否开启", c.shortLinks}});
        open();
        EXPECT_EQ(checked(controls::kLinksOn), c.linksChecked);
        EXPECT_EQ(checked(controls::kShortLinksOn), c.shortLinksChecked);
    }
}

TEST_F(MainWindowStart, RestoresTheNewsPageAndChoice) {
    const struct {
        const char* page;
        const char* choice;
        int currentPage;
        std::string_view checkedRadio;  // empty: none on the current page
    } cases[] = {{"2", "2", 2, controls::kLocalChengdu},
                 {"0", "18", 0, controls::kNewsTravel},
                 {"1", "3", 1, {}},
                 {"3", "1", 3, controls::kSourceIsUtf8},  // the design state of page 3 stays
                 {"9", "1", 0, controls::kNewsGeneral}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.page) + "/" + c.choice);
        writePresets({{"新闻选项卡", c.page}, {"新闻选项", c.choice}, {"天气开关", "真"}});
        open();
        auto* tabs = find<QTabWidget>(controls::kNewsTabs);
        EXPECT_EQ(tabs->currentIndex(), c.currentPage);
        QStringList checkedRadios;
        for (auto* radio : tabs->currentWidget()->findChildren<QRadioButton*>()) {
            if (radio->isChecked()) checkedRadios << radio->objectName();
        }
        EXPECT_EQ(checkedRadios,
                  c.checkedRadio.empty()
                      ? QStringList{}
                      : QStringList{QString::fromUtf8(
                            c.checkedRadio.data(), static_cast<qsizetype>(c.checkedRadio.size()))});
    }
}

TEST_F(MainWindowStart, ASkinIndexOutsideTheListSelectsNothing) {
    writePresets({{"皮肤", "6"}, {"天气开关", "真"}});
    open();
    EXPECT_EQ(find<QComboBox>(controls::kSkinChoice)->currentIndex(), -1);
}

}  // namespace
}  // namespace dq
