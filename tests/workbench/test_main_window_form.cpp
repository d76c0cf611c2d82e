// The form over the main window's widgets: texts in GBK with CR LF line ends, checked states,
// selections, visibility and places, as the widget-free operations see them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "test_main_window_fixture.h"

namespace dq {
namespace {

class MainWindowForm : public testing::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        writePresets({{"天气开关", "真"}});
        open();
    }
};

TEST_F(MainWindowForm, TextsKeepTheirLineEndsInEveryKindOfControl) {
    const Text lines = Utf8ToAnsi("第一行\r\n第二行\r\n");
    for (const char* name : {"编辑框_天气", "编辑框_新闻", "编辑框_寄语"}) {
        form->setText(name, lines);
        EXPECT_EQ(form->text(name), lines) << name;
        EXPECT_EQ(find<QPlainTextEdit>(name)->blockCount(), 3) << name;
    }
    const Text single = Utf8ToAnsi("<b>石家庄</b> & 早报");
    for (const char* name : {"城镇", "透明标签_当前信息源", "按钮5", "分组框1", "MainWindow"}) {
        form->setText(name, single);
        EXPECT_EQ(form->text(name), single) << name;
    }
    // Labels show their text literally, not as markup.
    EXPECT_EQ(find<QLabel>("透明标签_当前信息源")->textFormat(), Qt::PlainText);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("<b>石家庄</b> & 早报"));
}

TEST_F(MainWindowForm, AppendingAddsTheTextUnchangedAtTheEnd) {
    auto* news = find<QPlainTextEdit>("编辑框_新闻");
    form->setText("编辑框_新闻", "1\r\n");
    // The caret elsewhere does not matter: the text goes to the end.
    QTextCursor start = news->textCursor();
    start.movePosition(QTextCursor::Start);
    news->setTextCursor(start);
    form->appendText("编辑框_新闻", "2");
    form->appendText("编辑框_新闻", "3\r\n");
    EXPECT_EQ(form->text("编辑框_新闻"), "1\r\n23\r\n");
    Text many;
    for (int i = 0; i < 80; ++i) many += "line\r\n";
    form->appendText("编辑框_新闻", many);
    // The end, where the caret now is, has been scrolled into view.
    EXPECT_GT(news->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(news->viewport()->rect().contains(news->cursorRect()));
    EXPECT_EQ(news->textCursor().position(), news->document()->characterCount() - 1);

    form->setText("城镇", Utf8ToAnsi("石家"));
    form->appendText("城镇", Utf8ToAnsi("庄"));
    EXPECT_EQ(form->text("城镇"), Utf8ToAnsi("石家庄"));
}

TEST_F(MainWindowForm, RadioButtonsCanBeUncheckedFromCode) {
    form->setChecked("单选框_天气开", false);
    EXPECT_FALSE(form->checked("单选框_天气开"));
    EXPECT_FALSE(form->checked("单选框_天气关"));
    // The buttons still exclude each other afterwards.
    find<QRadioButton>("单选框_天气关")->click();
    find<QRadioButton>("单选框_天气开")->click();
    EXPECT_FALSE(form->checked("单选框_天气关"));
}

TEST_F(MainWindowForm, SelectionsOutsideTheListSelectNothing) {
    const struct {
        const char* control;
        int written;
        int read;
    } cases[] = {{"组合框_新闻条数", 7, 7}, {"组合框_新闻条数", 8, -1}, {"组合框_新闻条数", -5, -1},
                 {"皮肤_组合框", 5, 5},     {"皮肤_组合框", 6, -1},     {"高级选择夹_新闻", 3, 3},
                 {"高级选择夹_新闻", 4, 3}, {"高级选择夹_新闻", -1, 3}, {"高级选择夹_新闻", 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.control << " " << c.written);
        form->setCurrentIndex(c.control, c.written);
        EXPECT_EQ(form->currentIndex(c.control), c.read);
    }
}

TEST_F(MainWindowForm, PlacesAndVisibilityAreWritten) {
    form->setTopAndHeight("编辑框_新闻", 45, 400);
    EXPECT_EQ(find<QWidget>("编辑框_新闻")->geometry(), QRect(16, 45, 226, 400));
    form->setVisible("编辑框_天气", false);
    EXPECT_TRUE(find<QWidget>("编辑框_天气")->isHidden());
    form->setVisible("编辑框_天气", true);
    EXPECT_TRUE(find<QWidget>("编辑框_天气")->isVisible());
}

TEST_F(MainWindowForm, UnknownControlsReadEmpty) {
    EXPECT_EQ(form->text("没有这个控件"), "");
    EXPECT_FALSE(form->checked("没有这个控件"));
    EXPECT_EQ(form->currentIndex("没有这个控件"), -1);
    form->setText("没有这个控件", "x");  // ignored
}

}  // namespace
}  // namespace dq
