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

    QAbstractButton* button(const char* name) const { return find<QAbstractButton>(name); }
    bool checked(const char* name) const { return button(name)->isChecked(); }
    bool hidden(const char* name) const { return find<QWidget>(name)->isHidden(); }
    void setText(const char* name, const char* utf8) { form->setText(name, Utf8ToAnsi(utf8)); }
};

TEST_F(MainWindowHandlers, LinkBoxesKeepShortLinksWithinLinks) {
    const struct {
        bool links, shortLinks;
        const char* clicked;
        bool linksAfter, shortLinksAfter;
    } cases[] = {
        {true, true, "选择框_开启网址", false, false},
        {true, false, "选择框_开启网址", false, false},
        {false, false, "选择框_开启网址", true, false},
        {true, true, "选择框_开启短链", true, false},
        {false, false, "选择框_开启短链", true, true},
        {true, false, "选择框_开启短链", true, true},
        // Only code can leave short links on without links; a click still turns links on.
        {false, true, "选择框_开启短链", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicked);
        SCOPED_TRACE(::testing::Message() << c.links << c.shortLinks);
        form->setChecked("选择框_开启网址", c.links);
        form->setChecked("选择框_开启短链", c.shortLinks);
        button(c.clicked)->click();
        EXPECT_EQ(checked("选择框_开启网址"), c.linksAfter);
        EXPECT_EQ(checked("选择框_开启短链"), c.shortLinksAfter);
    }
}

TEST_F(MainWindowHandlers, HeaderRadioButtonsShowAndHideTheirBoxes) {
    const struct {
        const char* defaultRadio;
        const char* customRadio;
        const char* box;
    } rows[] = {{"单选框_晨报默认头部", "单选框_晨报自定义头部", "自定义头部"},
                {"单选框_寄语默认头部", "单选框_寄语自定义头部", "编辑框_寄语头部"}};
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
    auto* combo = find<QComboBox>("组合框_新闻条数");
    combo->setFocus();
    form->setCurrentIndex("组合框_新闻条数", 3);
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
    form->setCurrentIndex("组合框_新闻条数", 6);
    EXPECT_EQ(state.newsCount, 7);

    form->setChecked("单选框_晨报默认头部", true);
    form->setChecked("单选框_寄语默认头部", true);
    EXPECT_FALSE(hidden("自定义头部"));
    EXPECT_FALSE(hidden("编辑框_寄语头部"));

    form->setChecked("选择框_开启网址", true);
    form->setChecked("选择框_开启短链", true);
    form->setChecked("选择框_开启网址", false);
    EXPECT_TRUE(checked("选择框_开启短链"));

    const Text weather = form->text("编辑框_天气");
    form->setChecked("单选框_天气关", true);
    EXPECT_EQ(form->text("编辑框_天气"), weather);
    EXPECT_EQ(find<QWidget>("编辑框_新闻")->y(), 146);

    form->setCurrentIndex("皮肤_组合框", 2);
    form->setText("城镇", Utf8ToAnsi("北京"));
    form->setCurrentIndex("高级选择夹_新闻", 2);
    EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(MainWindowHandlers, WeatherSwitchMovesTheNewsBox) {
    button("单选框_天气关")->click();
    EXPECT_EQ(find<QWidget>("编辑框_新闻")->geometry(), QRect(16, 45, 226, 400));
    EXPECT_EQ(form->text("编辑框_天气").substr(0, 6), Utf8ToAnsi("晨报头"));
    button("单选框_天气开")->click();
    EXPECT_EQ(find<QWidget>("编辑框_新闻")->geometry(), QRect(16, 146, 226, 325));
    EXPECT_TRUE(Dialogs::shown().empty());
}

// With the weather off a weather preview only reminds the user, which counts the previews
// without reaching the weather site.
TEST_F(MainWindowHandlers, EnterInTheCityRunsExactlyOneWeatherPreview) {
    button("单选框_天气关")->click();
    auto* city = find<QLineEdit>("城镇");
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
    button("单选框_天气关")->click();
    Dialogs::clearShown();
    button("天气预览")->click();
    EXPECT_EQ(messages(), QStringList{kWeatherOffMessage});

    Dialogs::clearShown();
    button("按钮1")->click();
    EXPECT_EQ(form->text("编辑框_天气"), "");
    EXPECT_EQ(form->text("编辑框_新闻"), "");
    button("一键生成")->click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("新闻内容为空")});

    Dialogs::clearShown();
    form->setChecked("励志_单选", false);
    form->setChecked("道德经_单选", true);
    button("寄语随即查看")->click();
    const Text quote = form->text("编辑框_寄语");
    EXPECT_FALSE(quote.empty());
    EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(MainWindowHandlers, ChangingTheBackgroundNeedsACity) {
    form->setText("城镇", "");
    button("更换背景")->click();
    EXPECT_EQ(messages(), QStringList{kNoCityMessage});
    Dialogs::clearShown();
    setText("城镇", "北京");
    button("更换背景")->click();
    EXPECT_FALSE(messages().contains(kNoCityMessage));
}

TEST_F(MainWindowHandlers, CopyPutsTheBriefingOnTheClipboard) {
    setText("编辑框_天气", "北京早报\r\n晴\r\n");
    setText("编辑框_新闻", "1、新闻\r\n");
    QGuiApplication::clipboard()->clear();
    button("按钮5")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("北京早报\r\n晴\r\n1、新闻\r\n"));
    EXPECT_EQ(windows(), QStringList{QStringLiteral("SuccessWindow")});
}

TEST_F(MainWindowHandlers, TipWindowOpensFromTheLabelAndTheMenu) {
    form->setCurrentIndex("高级选择夹_新闻", 2);
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
    setText("城镇", "哈尔滨");
    setText("自定义头部", "哈尔滨早报");
    setText("编辑框_寄语头部", "每日一句");
    form->setCurrentIndex("皮肤_组合框", 4);
    form->setCurrentIndex("组合框_新闻条数", 5);
    form->setCurrentIndex("高级选择夹_新闻", 0);
    button("单选框_军事")->click();
    form->setChecked("选择框_开启网址", true);
    form->setChecked("选择框_开启短链", true);
    button("按钮_保存")->click();
    EXPECT_EQ(windows(), QStringList{QStringLiteral("SuccessWindow")});
    EXPECT_TRUE(messages().isEmpty());

    open();
    EXPECT_EQ(form->text("城镇"), Utf8ToAnsi("哈尔滨"));
    EXPECT_EQ(form->text("自定义头部"), Utf8ToAnsi("哈尔滨早报"));
    EXPECT_EQ(form->text("编辑框_寄语头部"), Utf8ToAnsi("每日一句"));
    EXPECT_EQ(find<QComboBox>("皮肤_组合框")->currentIndex(), 4);
    EXPECT_EQ(find<QComboBox>("组合框_新闻条数")->currentIndex(), 5);
    EXPECT_EQ(state.newsCount, 10);
    EXPECT_TRUE(checked("单选框_军事"));
    EXPECT_TRUE(checked("选择框_开启网址"));
    EXPECT_TRUE(checked("选择框_开启短链"));
    EXPECT_TRUE(checked("单选框_天气开"));
}

TEST_F(MainWindowHandlers, SavingWithNothingSelectedKeepsNoSelection) {
    form->setCurrentIndex("组合框_新闻条数", -1);
    form->setCurrentIndex("皮肤_组合框", -1);
    button("按钮_保存")->click();
    open();
    EXPECT_EQ(find<QComboBox>("组合框_新闻条数")->currentIndex(), -1);
    EXPECT_EQ(state.newsCount, 4);
    EXPECT_EQ(find<QComboBox>("皮肤_组合框")->currentIndex(), -1);
}

}  // namespace
}  // namespace dq
