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
#include "workbench/control_names.h"

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
    for (std::string_view name : {controls::kWeatherBox, controls::kNewsBox, controls::kQuoteBox}) {
        form->setText(name, lines);
        EXPECT_EQ(form->text(name), lines) << name;
        EXPECT_EQ(find<QPlainTextEdit>(name)->blockCount(), 3) << name;
    }
    const Text single = Utf8ToAnsi("<b>石家庄</b> & 早报");
    for (std::string_view name :
         std::initializer_list<std::string_view>{controls::kCity, controls::kCurrentSourceLabel,
                                                 "按钮5", "分组框1", controls::kMainWindow}) {
        form->setText(name, single);
        EXPECT_EQ(form->text(name), single) << name;
    }
    // Labels show their text literally, not as markup.
    EXPECT_EQ(find<QLabel>(controls::kCurrentSourceLabel)->textFormat(), Qt::PlainText);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("<b>石家庄</b> & 早报"));
}

TEST_F(MainWindowForm, AppendingAddsTheTextUnchangedAtTheEnd) {
    auto* news = find<QPlainTextEdit>(controls::kNewsBox);
    form->setText(controls::kNewsBox, "1\r\n");
    // The caret elsewhere does not matter: the text goes to the end.
    QTextCursor start = news->textCursor();
    start.movePosition(QTextCursor::Start);
    news->setTextCursor(start);
    form->appendText(controls::kNewsBox, "2");
    form->appendText(controls::kNewsBox, "3\r\n");
    EXPECT_EQ(form->text(controls::kNewsBox), "1\r\n23\r\n");
    Text many;
    for (int i = 0; i < 80; ++i) many += "line\r\n";
    form->appendText(controls::kNewsBox, many);
    // The end, where the caret now is, has been scrolled into view.
    EXPECT_GT(news->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(news->viewport()->rect().contains(news->cursorRect()));
    EXPECT_EQ(news->textCursor().position(), news->document()->characterCount() - 1);

    form->setText(controls::kCity, Utf8ToAnsi("石家"));
    form->appendText(controls::kCity, Utf8ToAnsi("庄"));
    EXPECT_EQ(form->text(controls::kCity), Utf8ToAnsi("石家庄"));
}

TEST_F(MainWindowForm, RadioButtonsCanBeUncheckedFromCode) {
    form->setChecked(controls::kWeatherOn, false);
    EXPECT_FALSE(form->checked(controls::kWeatherOn));
    EXPECT_FALSE(form->checked(controls::kWeatherOff));
    // The buttons still exclude each other afterwards.
    find<QRadioButton>(controls::kWeatherOff)->click();
    find<QRadioButton>(controls::kWeatherOn)->click();
    EXPECT_FALSE(form->checked(controls::kWeatherOff));
}

TEST_F(MainWindowForm, PreviewBoxesGiveBackTheBytesWrittenLoneCrAndLfIncluded) {
    // A title with a bare CR and a link with a bare LF, as pages deliver them.
    const Text title = Utf8ToAnsi("1.标题\r甲\r\n");
    const Text link = "http://a.cn/x\ny\r\n";
    form->setText(controls::kNewsBox, title);
    form->appendText(controls::kNewsBox, link);
    EXPECT_EQ(form->text(controls::kNewsBox), title + link);
    form->setText(controls::kWeatherBox, "a\rb\nc");
    EXPECT_EQ(form->text(controls::kWeatherBox), "a\rb\nc");

    // Once the user edits the box, its text is what the box shows, line ends as CR LF.
    auto* box = find<QPlainTextEdit>(controls::kWeatherBox);
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(QStringLiteral("d"));
    EXPECT_EQ(form->text(controls::kWeatherBox), "a\r\nb\r\ncd");
}

TEST_F(MainWindowForm, SelectionsOutsideTheListSelectNothing) {
    const struct {
        std::string_view control;
        int written;
        int read;
    } cases[] = {{controls::kNewsCount, 7, 7},   {controls::kNewsCount, 8, -1},
                 {controls::kNewsCount, -5, -1}, {controls::kSkinChoice, 5, 5},
                 {controls::kSkinChoice, 6, -1}, {controls::kNewsTabs, 3, 3},
                 {controls::kNewsTabs, 4, 3},    {controls::kNewsTabs, -1, 3},
                 {controls::kNewsTabs, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.control << " " << c.written);
        form->setCurrentIndex(c.control, c.written);
        EXPECT_EQ(form->currentIndex(c.control), c.read);
    }
}

TEST_F(MainWindowForm, PlacesAndVisibilityAreWritten) {
    form->setTopAndHeight(controls::kNewsBox, 45, 400);
    EXPECT_EQ(find<QWidget>(controls::kNewsBox)->geometry(), QRect(16, 45, 226, 400));
    form->setVisible(controls::kWeatherBox, false);
    EXPECT_TRUE(find<QWidget>(controls::kWeatherBox)->isHidden());
    form->setVisible(controls::kWeatherBox, true);
    EXPECT_TRUE(find<QWidget>(controls::kWeatherBox)->isVisible());
}

TEST_F(MainWindowForm, UnknownControlsReadEmpty) {
    EXPECT_EQ(form->text("没有这个控件"), "");
    EXPECT_FALSE(form->checked("没有这个控件"));
    EXPECT_EQ(form->currentIndex("没有这个控件"), -1);
    form->setText("没有这个控件", "x");  // ignored
}

}  // namespace
}  // namespace dq
