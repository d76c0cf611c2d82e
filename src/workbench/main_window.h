// The main window: every control of the briefing workbench, the handlers bound to the user's
// actions on them, and the creation sequence that restores the presets at start.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "workbench/dialogs.h"
#include "workbench/preset_store.h"
#include "workbench/qt_form.h"
#include "workbench/workbench_state.h"

namespace Ui {
class MainWindow;
}

namespace dq {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // runDirectory: where 配置文件.ini and wx.txt live. The window shows itself and runs the
    // creation sequence before the constructor returns.
    MainWindow(WorkbenchState& state, std::string runDirectory, QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepareControls();
    void connectHandlers();
    // Creation steps 1 to 11, in order (main_window_start.cpp).
    void runCreationSequence();
    void restoreSkinChoice();

    // Handlers.
    void weatherPreview();
    void weatherOn();
    void weatherOff();
    void newsPreview();
    void newsCountChosen(int index);
    void drawQuote();
    void quotePreview();
    void showBriefingHeaderBox(bool visible);
    void showQuoteHeaderBox(bool visible);
    void linksClicked();
    void shortLinksClicked();
    void openTipWindow();
    void openRobotSettings();
    void savePresets();
    void generateBriefing();
    void copyBriefing();
    void postBriefing();
    void clearPreviews();
    void changeBackground();
    void openSourceManager();
    void interfaceSelected();
    void openSourceCheck();

    void applySkin(int index);

    void fetchInterfaceList();
    void openPictureWindow();

    std::unique_ptr<Ui::MainWindow> ui_;
    WorkbenchState& state_;
    std::string runDirectory_;
    QtForm form_;
    Dialogs dialogs_;
    PresetStore presets_;
};

}  // namespace dq
