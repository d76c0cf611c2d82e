// Program start: with an option of the runs without a window (--generate, ...) that run and
// its exit status; otherwise the program-wide values, a font that draws the Chinese captions,
// and the main window; events are handled until the main window is closed.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <iostream>
#include <string>
#include <vector>

#include "unattended/command_line.h"
#include "workbench/run_directory.h"
#include "workbench/main_window.h"
#include "workbench/workbench_state.h"

namespace {

// The first installed family that has Chinese glyphs; the system default otherwise.
void UseChineseFont(QApplication& app) {
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const char* wanted : {"WenQuanYi Zen Hei", "AR PL UMing CN", "Noto Sans CJK SC"}) {
        const QString family = QString::fromUtf8(wanted);
        if (!families.contains(family)) continue;
        QFont font(family);
        font.setPixelSize(12);
        app.setFont(font);
        return;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (const auto status = dq::RunWithoutWindow(arguments, std::cout, std::cerr)) return *status;

    QApplication app(argc, argv);
    UseChineseFont(app);
    dq::WorkbenchState state;
    dq::MainWindow window(state, dq::RunDirectory());
    return app.exec();
}
