// Set-up of the picture window tests: the application and recorded dialogs of the widget
// tests, a picture window over a fake main form, a temporary directory for the pictures and a
// clock the test sets. The window's web view never leaves the machine: its requests are
// blocked, or sent to the test's loopback site for the one host a test routes.
#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <string_view>

#include "picture/life_page_view.h"
#include "picture/picture_window.h"
#include "picture/loopback_web_engine.h"
#include "support/fake_form.h"
#include "workbench/test_main_window_fixture.h"

namespace dq::testing {

class PictureWindowTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        dq::testing::AddLifePageViewDirectory(DQ_LIFE_PAGE_VIEW_DIR);
        mainForm.texts["城镇"] = Utf8ToAnsi("北京");
    }

    // loopbackPort: where requests for www.tianqi.com go; 0 blocks every request.
    void open(std::string pictureDirectory = {}, int loopbackPort = 0) {
        if (pictureDirectory.empty()) pictureDirectory = directory.path().toStdString();
        window = std::make_unique<PictureWindow>(mainForm, state, pictureDirectory, nullptr,
                                                 [this] { return moment; });
        web = std::make_unique<LoopbackWebEngine>(QStringLiteral("www.tianqi.com"), loopbackPort);
    }

    template <typename Widget>
    Widget* find(std::string_view name) const {
        Widget* widget = window->findChild<Widget*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void click(std::string_view button) { find<QAbstractButton>(button)->click(); }
    void choosePage(int page) { find<QTabWidget>("高级选择夹_图片")->setCurrentIndex(page); }

    // The files in the picture directory, hidden ones included.
    QStringList pictures() const {
        return QDir(directory.path()).entryList(QDir::Files | QDir::Hidden | QDir::System,
                                                QDir::Name);
    }
    std::string picturePath(const QString& name) const {
        return directory.filePath(name).toStdString();
    }

    FakeForm mainForm;
    WorkbenchState state;
    QTemporaryDir directory;
    LocalDateTime moment{2024, 5, 6, 8, 5, 9};
    std::unique_ptr<PictureWindow> window;
    std::unique_ptr<LoopbackWebEngine> web;
};

}  // namespace dq::testing
