// Qt WebEngine stays out of the process until the picture window first opens. This program
// links the workbench alone, as the shipped program does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QOpenGLContext>
#include <QPushButton>

#include "picture/life_page_view.h"
#include "workbench/control_names.h"
#include "workbench/test_main_window_fixture.h"
#include "web/encoding.h"

namespace dq::testing {
namespace {

bool WebEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    EXPECT_TRUE(maps.open(QIODevice::ReadOnly));
    return maps.readAll().contains("libQt6WebEngine");
}

TEST_F(MainWindowTest, QtWebEngineIsLoadedOnlyWhenThePictureWindowOpens) {
    dq::testing::AddLifePageViewDirectory(DQ_LIFE_PAGE_VIEW_DIR);
    open();
    window->show();
    QCoreApplication::processEvents();
    ASSERT_FALSE(WebEngineMapped());
    // Nor is the OpenGL context WebEngine shares with the widgets made at start.
    EXPECT_EQ(QOpenGLContext::globalShareContext(), nullptr);
    EXPECT_FALSE(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
    form->setText(controls::kCity, Utf8ToAnsi("北京"));
    bool mappedWhileOpen = false;
    bool hasWebView = false;
    bool sharedWhileOpen = false;
    Dialogs::setWindowHandler([&](QDialog& picture) {
        mappedWhileOpen = WebEngineMapped();
        sharedWhileOpen = QOpenGLContext::globalShareContext() != nullptr &&
                          QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts);
        hasWebView = picture.findChild<QWidget*>(QStringLiteral("超文本浏览框1")) != nullptr;
        return int(QDialog::Rejected);
    });

    find<QPushButton>("更换背景")->click();

    EXPECT_EQ(windows(), QStringList{QStringLiteral("PictureWindow")});
    EXPECT_TRUE(mappedWhileOpen);
    EXPECT_TRUE(hasWebView);
    EXPECT_TRUE(sharedWhileOpen);
}

}  // namespace
}  // namespace dq::testing
