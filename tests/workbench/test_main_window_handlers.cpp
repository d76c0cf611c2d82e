// The handlers of the main window, driven as the user drives them: clicks, keys, chosen list
// items. Boxes and windows are recorded by the dialog wrapper.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "test_main_window_fixture.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::MainWindowTest;

const QString kWeatherOffMessage = QStringLiteral("Pemmik提示：先开启天气功能");
const QString kNoCityMessage = QStringLiteral("Pemmik提示:还没选择城市呢？老铁！");

class MainWindowHandlers : public MainWindowTest {
protected:
    // A start with the weather on and a custom header, so that start-up shows no message.
    void SetUp() override {
        MainWindowTest::SetUp();
        writePresets({{"天气开关", "真"}, {"头部", "晨报头"}});
        open();
        Dialogs::clearShown();
    }

    QAbstractButton* button(std::string_view name) const { return find<QAbstractButton>(name); }
    bool checked(std::string_view name) const { return button(name)->isChecked(); }
    bool hidden(std::string_view name) const { return find<QWidget>(name)->isHidden(); }
    void setText(std::string_view name, const char* utf8) { form->setText(name, Utf8ToAnsi(utf8)); }
};

TEST_F(MainWindowHandlers, LinkBoxesKeepShortLinksWithinLinks) {
    const struct {
        bool links, shortLinks;
        std::string_view clicked;
        bool linksAfter, shortLinksAfter;
    } cases[] = {
        {true, true, controls::kLinksOn, false, false},
        {true, false, controls::kLinksOn, false, false},
        {false, false, controls::kLinksOn, true, false},
        {true, true, controls::kShortLinksOn, true, false},
        {false, false, controls::kShortLinksOn, true, true},
        {true, false, controls::kShortLinksOn, true, true},
        // Only code can leave short links on without links; a click still turns links on.
        {false, true, controls::kShortLinksOn, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicked);
        SCOPED_TRACE(::testing::Message() << c.links << c.shortLinks);
        form->setChecked(controls::kLinksOn, c.links);
        form->setChecked(controls::kShortLinksOn, c.shortLinks);
        button(c.clicked)->click();
        EXPECT_EQ(checked(controls::kLinksOn), c.linksAfter);
        EXPECT_EQ(checked(controls::kShortLinksOn), c.shortLinksAfter);
    }
}

TEST_F(MainWindowHandlers, HeaderRadioButtonsShowAndHideTheirBoxes) {
    const struct {
        std::string_view defaultRadio;
        std::string_view customRadio;
        std::string_view box;
    } rows[] = {
        {controls::kDefaultHeader, controls::kCustomHeaderChoice, controls::kCustomHeader},
        {controls::kQuoteDefaultHeader, controls::kQuoteCustomHeader, controls::kQuoteHeaderBox}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        setText(row.box, "保留的头部");
        button(row.defaultRadio)->click();
        EXPECT_TRUE(hidden(row.box));
        // Hiding keeps the text.
        EXPECT_EQ(form->text(row.box), Utf8ToAnsi("保留的头部"));
        button(row.customRadio)->click();
        EXPECT_FALSE(hidden(row.box));
    }
}

TEST_F(MainWindowHandlers, ChoosingANewsCountSetsIt) {
    auto* combo = find<QComboBox>(controls::kNewsCount);
    combo->setFocus();
    form->setCurrentIndex(controls::kNewsCount, 3);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), QStringLiteral("9"));
    EXPECT_EQ(state.newsCount, 9);
    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_EQ(state.newsCount, 12);
    QTest::keyClick(combo, Qt::Key_Home);
    EXPECT_EQ(state.newsCount, 5);
}

// States written from code never run the controls' handlers.
TEST_F(MainWindowHandlers, WritingStatesFromCodeRunsNoHandler) {
    state.newsCount = 7;
    form->setCurrentIndex(controls::kNewsCount, 6);
    EXPECT_EQ(state.newsCount, 7);

    form->setChecked(controls::kDefaultHeader, true);
    form->setChecked(controls::kQuoteDefaultHeader, true);
    EXPECT_FALSE(hidden(controls::kCustomHeader));
    EXPECT_FALSE(hidden(controls::kQuoteHeaderBox));

    form->setChecked(controls::kLinksOn, true);
    form->setChecked(controls::kShortLinksOn, true);
    form->setChecked(controls::kLinksOn, false);
    EXPECT_TRUE(checked(controls::kShortLinksOn));

    const Text weather = form->text(controls::kWeatherBox);
    form->setChecked(controls::kWeatherOff, true);
    EXPECT_EQ(form->text(controls::kWeatherBox), weather);
    EXPECT_EQ(find<QWidget>(controls::kNewsBox)->y(), 146);

    form->setCurrentIndex(controls::kSkinChoice, 2);
    form->setText(controls::kCity, Utf8ToAnsi("北京"));
    form->setCurrentIndex(controls::kNewsTabs, 2);
    EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(MainWindowHandlers, WeatherSwitchMovesTheNewsBox) {
    button(controls::kWeatherOff)->click();
    EXPECT_EQ(find<QWidget>(controls::kNewsBox)->geometry(), QRect(16, 45, 226, 400));
    EXPECT_EQ(form->text(controls::kWeatherBox).substr(0, 6), Utf8ToAnsi("晨报头"));
    button(controls::kWeatherOn)->click();
    EXPECT_EQ(find<QWidget>(controls::kNewsBox)->geometry(), QRect(16, 146, 226, 325));
    EXPECT_TRUE(Dialogs::shown().empty());
}

// With the weather off a weather preview only reminds the user, which counts the previews
// without reaching the weather site.
TEST_F(MainWindowHandlers, EnterInTheCityRunsExactlyOneWeatherPreview) {
    button(controls::kWeatherOff)->click();
    auto* city = find<QLineEdit>(controls::kCity);
    city->setFocus();
    const struct {
        Qt::Key key;
        int previews;
    } keys[] = {{Qt::Key_Return, 1}, {Qt::Key_Enter, 1}, {Qt::Key_A, 0}, {Qt::Key_Escape, 0},
                {Qt::Key_Tab, 0},    {Qt::Key_Space, 0}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.key);
        Dialogs::clearShown();
        city->setFocus();
        QTest::keyClick(city, k.key);
        EXPECT_EQ(messages().count(kWeatherOffMessage), k.previews);
        EXPECT_EQ(messages().size(), k.previews);
    }
    Dialogs::clearShown();
    city->clear();
    QTest::keyClicks(city, QStringLiteral("abc"));
    EXPECT_EQ(city->text(), QStringLiteral("abc"));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MainWindowHandlers, ButtonsRunTheirOperations) {
    button(controls::kWeatherOff)->click();
    Dialogs::clearShown();
    button("天气预览")->click();
    EXPECT_EQ(messages(), QStringList{kWeatherOffMessage});

    Dialogs::clearShown();
    button("按钮1")->click();
    EXPECT_EQ(form->text(controls::kWeatherBox), "");
    EXPECT_EQ(form->text(controls::kNewsBox), "");
    button("一键生成")->click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("新闻内容为空")});

    Dialogs::clearShown();
    form->setChecked(controls::kMotivationalQuotes, false);
    form->setChecked(controls::kDaodejingQuotes, true);
    button("寄语随即查看")->click();
    const Text quote = form->text(controls::kQuoteBox);
    EXPECT_FALSE(quote.empty());
    EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(MainWindowHandlers, ChangingTheBackgroundNeedsACity) {
    form->setText(controls::kCity, "");
    button("更换背景")->click();
    EXPECT_EQ(messages(), QStringList{kNoCityMessage});
    Dialogs::clearShown();
    setText(controls::kCity, "北京");
    button("更换背景")->click();
    EXPECT_FALSE(messages().contains(kNoCityMessage));
}

TEST_F(MainWindowHandlers, CopyPutsTheBriefingOnTheClipboard) {
    setText(controls::kWeatherBox, "北京早报\r\n晴\r\n");
    setText(controls::kNewsBox, "1、新闻\r\n");
    QGuiApplication::clipboard()->clear();
    button("按钮5")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("北京早报\r\n晴\r\n1、新闻\r\n"));
    EXPECT_EQ(windows(), QStringList{QStringLiteral("SuccessWindow")});
}

TEST_F(MainWindowHandlers, TipWindowOpensFromTheLabelAndTheMenu) {
    form->setCurrentIndex(controls::kNewsTabs, 2);
    auto* label = find<QLabel>("透明标签9");
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_TRUE(windows().isEmpty());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(windows(), QStringList{QStringLiteral("TipWindow")});

    Dialogs::clearShown();
    find<QAction>("作者")->trigger();
    EXPECT_EQ(windows(), QStringList{QStringLiteral("TipWindow")});
}

TEST_F(MainWindowHandlers, SavedPresetsComeBackAtTheNextStart) {
    setText(controls::kCity, "哈尔滨");
    setText(controls::kCustomHeader, "哈尔滨早报");
    setText(controls::kQuoteHeaderBox, "每日一句");
    form->setCurrentIndex(controls::kSkinChoice, 4);
    form->setCurrentIndex(controls::kNewsCount, 5);
    form->setCurrentIndex(controls::kNewsTabs, 0);
    button(controls::kNewsMilitary)->click();
    form->setChecked(controls::kLinksOn, true);
    form->setChecked(controls::kShortLinksOn, true);
    button("按钮_保存")->click();
    EXPECT_EQ(windows(), QStringList{QStringLiteral("SuccessWindow")});
    EXPECT_TRUE(messages().isEmpty());

    open();
    EXPECT_EQ(form->text(controls::kCity), Utf8ToAnsi("哈尔滨"));
    EXPECT_EQ(form->text(controls::kCustomHeader), Utf8ToAnsi("哈尔滨早报"));
    EXPECT_EQ(form->text(controls::kQuoteHeaderBox), Utf8ToAnsi("每日一句"));
    EXPECT_EQ(find<QComboBox>(controls::kSkinChoice)->currentIndex(), 4);
    EXPECT_EQ(find<QComboBox>(controls::kNewsCount)->currentIndex(), 5);
    EXPECT_EQ(state.newsCount, 10);
    EXPECT_TRUE(checked(controls::kNewsMilitary));
    EXPECT_TRUE(checked(controls::kLinksOn));
    EXPECT_TRUE(checked(controls::kShortLinksOn));
    EXPECT_TRUE(checked(controls::kWeatherOn));
}

TEST_F(MainWindowHandlers, SavingWithNothingSelectedKeepsNoSelection) {
    form->setCurrentIndex(controls::kNewsCount, -1);
    form->setCurrentIndex(controls::kSkinChoice, -1);
    button("按钮_保存")->click();
    open();
    EXPECT_EQ(find<QComboBox>(controls::kNewsCount)->currentIndex(), -1);
    EXPECT_EQ(state.newsCount, 4);
    EXPECT_EQ(find<QComboBox>(controls::kSkinChoice)->currentIndex(), -1);
}

}  // namespace
}  // namespace dq
