#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "test_main_window_fixture.h"
#include "web/encoding.h"
#include "workbench/dialogs.h"

namespace dq {
namespace {

using testing::WidgetTest;
using Kind = Dialogs::Shown::Kind;

class DialogsTest : public WidgetTest {
protected:
    Dialogs dialogs{nullptr};
};

TEST_F(DialogsTest, RecordsEachBoxWithCaptionTextAndIcon) {
    const struct {
        MessageIcon icon;
        QMessageBox::Icon shown;
    } cases[] = {
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Error, QMessageBox::Critical},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Question, QMessageBox::Question},
    };
    for (const auto& c : cases) {
        Dialogs::clearShown();
        dialogs.show(Utf8ToAnsi("新闻内容为空"), c.icon);
        ASSERT_EQ(Dialogs::shown().size(), 1u);
        const Dialogs::Shown& box = Dialogs::shown().front();
        EXPECT_EQ(box.kind, Kind::MessageBox);
        EXPECT_EQ(box.caption, QStringLiteral("信息："));
        EXPECT_EQ(box.text, QStringLiteral("新闻内容为空"));
        EXPECT_EQ(box.icon, c.shown);
    }
}

TEST_F(DialogsTest, SuccessAndTipWindowsOpenThroughTheWrapper) {
    dialogs.showSuccess();
    dialogs.showTip();
    ASSERT_EQ(Dialogs::shown().size(), 2u);
    EXPECT_EQ(Dialogs::shown()[0].kind, Kind::Window);
    EXPECT_EQ(Dialogs::shown()[0].window, QStringLiteral("SuccessWindow"));
    EXPECT_EQ(Dialogs::shown()[1].kind, Kind::Window);
    EXPECT_EQ(Dialogs::shown()[1].window, QStringLiteral("TipWindow"));
}

TEST_F(DialogsTest, SuccessWindowShowsItsTextAndClosesByItsButton) {
    int result = -1;
    Dialogs::setWindowHandler([&](QDialog& window) {
        EXPECT_EQ(window.size(), QSize(460, 204));
        auto* text = window.findChild<QLabel*>(QStringLiteral("透明标签4"));
        auto* close = window.findChild<QPushButton*>(QStringLiteral("按钮1"));
        EXPECT_NE(text, nullptr);
        EXPECT_NE(close, nullptr);
        if (text == nullptr || close == nullptr) return -1;
        EXPECT_EQ(text->text(), QStringLiteral("恭喜你，操作成功!"));
        EXPECT_EQ(close->text(), QStringLiteral("关闭窗口"));
        window.show();
        close->click();
        result = window.result();
        EXPECT_FALSE(window.isVisible());
        return result;
    });
    dialogs.showSuccess();
    EXPECT_EQ(result, QDialog::Accepted);
}

TEST_F(DialogsTest, TipWindowHoldsItsCreditAndPicture) {
    Dialogs::setWindowHandler([](QDialog& window) {
        EXPECT_EQ(window.size(), QSize(487, 227));
        auto* reward = window.findChild<QLabel*>(QStringLiteral("透明标签1"));
        auto* credit = window.findChild<QLabel*>(QStringLiteral("透明标签4"));
        auto* picture = window.findChild<QLabel*>(QStringLiteral("图片框2"));
        EXPECT_TRUE(reward != nullptr && reward->text() == QStringLiteral("自愿打赏"));
        EXPECT_TRUE(credit != nullptr && !credit->text().isEmpty());
        EXPECT_TRUE(picture != nullptr && !picture->pixmap().isNull());
        return QDialog::Rejected;
    });
    dialogs.showTip();
    EXPECT_EQ(Dialogs::shown().size(), 1u);
}

TEST_F(DialogsTest, NextAnswerIsWhatTheWindowReturnsOnce) {
    QDialog window;
    window.setObjectName(QStringLiteral("SomeWindow"));
    Dialogs::setNextAnswer(QDialog::Accepted);
    EXPECT_EQ(dialogs.openModal(window), QDialog::Accepted);
    EXPECT_EQ(dialogs.openModal(window), QDialog::Rejected);
    ASSERT_EQ(Dialogs::shown().size(), 2u);
    EXPECT_EQ(Dialogs::shown()[0].window, QStringLiteral("SomeWindow"));
}

TEST(DialogsOutsideTestMode, ShowsAModalBoxWithOneOkButton) {
    testing::Application();
    ASSERT_FALSE(Dialogs::inTestMode());
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    // Reads the box while it is open, then closes it with its OK button.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    Dialogs(nullptr).show(Utf8ToAnsi("<b>正则创建失败</b>"), MessageIcon::Error);
    EXPECT_EQ(caption, QStringLiteral("信息："));
    EXPECT_EQ(text, QStringLiteral("<b>正则创建失败</b>"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
}

}  // namespace
}  // namespace dq
