// Shared set-up of the widget tests: one QApplication on the offscreen platform, created the
// first time a test needs it and kept to the end; the dialog wrapper in its recording mode; and a main window over
// a temporary run directory with a preset file written by the test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "web/encoding.h"
#include "workbench/dialogs.h"
#include "workbench/main_window.h"
#include "workbench/qt_form.h"
#include "workbench/workbench_state.h"

namespace dq::testing {

inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "dawnquill-tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept until the process ends: destroying it among the static objects at exit would
    // outlive parts of Qt it still needs.
    static QApplication* const app = new QApplication(argc, argv);
    return *app;
}

class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override { Application(); }

    // Every box and window is recorded here instead of being shown.
    Dialogs::TestMode dialogs_;
};

class MainWindowTest : public WidgetTest {
protected:
    // Key and value in UTF-8; the file is written in GBK with CR LF lines.
    using Preset = std::pair<const char*, const char*>;

    void writePresets(const std::vector<Preset>& presets) {
        std::string file = Utf8ToAnsi("[配置文件]") + "\r\n";
        for (const auto& [key, value] : presets) {
            file += Utf8ToAnsi(key) + "=" + Utf8ToAnsi(value) + "\r\n";
        }
        QFile out(presetPath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.data(), static_cast<qint64>(file.size()));
    }

    QString presetPath() const { return directory.filePath(QStringLiteral("配置文件.ini")); }

    // Creates the main window over the run directory; its creation sequence runs at once.
    void open() {
        window.reset();
        state = WorkbenchState{};
        window = std::make_unique<MainWindow>(state, directory.path().toStdString());
        form = std::make_unique<QtForm>(*window);
    }

    template <typename Widget>
    Widget* find(std::string_view name) const {
        return window->findChild<Widget*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    // The messages of the recorded boxes, in the order they were shown.
    static QStringList messages() {
        QStringList texts;
        for (const Dialogs::Shown& shown : Dialogs::shown()) {
            if (shown.kind == Dialogs::Shown::Kind::MessageBox) texts << shown.text;
        }
        return texts;
    }

    // The objectNames of the recorded windows, in the order they were opened.
    static QStringList windows() {
        QStringList names;
        for (const Dialogs::Shown& shown : Dialogs::shown()) {
            if (shown.kind == Dialogs::Shown::Kind::Window) names << shown.window;
        }
        return names;
    }

    QTemporaryDir directory;
    WorkbenchState state;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QtForm> form;
};

}  // namespace dq::testing
