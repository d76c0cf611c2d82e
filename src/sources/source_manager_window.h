// The source manager window "新闻信息源添加": the user's own news sources, listed from the
// source database, with query, add, modify and delete, and the choice of the source that the
// custom-source page scrapes (a double-click). The database is open exactly as long as the
// window exists.
#pragma once

#include <QDialog>
#include <QMenu>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "sources/pattern_trial.h"
#include "sources/source_database.h"
#include "workbench/date_time_text.h"
#include "workbench/dialogs.h"
#include "workbench/form.h"
#include "workbench/preset_store.h"
#include "workbench/qt_form.h"
#include "workbench/workbench_state.h"

namespace Ui {
class SourceManagerWindow;
}

namespace dq {

class SourceManagerWindow : public QDialog {
    Q_OBJECT
  public:
    // Opens the database at databasePath and lists every record. mainForm is the main window,
    // whose custom-source label a choice relabels and whose link and UTF-8 choices a pattern
    // test follows; a choice also sets state's chosen source and writes it to presets.
    SourceManagerWindow(const std::string& databasePath, WorkbenchState& state,
                        const PresetStore& presets, Form& mainForm, QWidget* parent = nullptr);
    ~SourceManagerWindow() override;

    const SourceDatabase& database() const { return database_; }
    // The clock that dates new records (the local clock unless replaced).
    void setClock(std::function<LocalDateTime()> today) { today_ = std::move(today); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using ColumnWidths = std::array<int, 5>;

    void fillList(const SourceStatement& query, const ColumnWidths& widths);
    void query();
    void add();
    void modify();
    void remove();
    void choose();
    void showMenu(const QPoint& position);
    PatternTrialSettings trialSettings() const;
    // The selected row of the list; -1, after telling the user message, when none is.
    int selectedRowOrTell(const Text& message);

    std::unique_ptr<Ui::SourceManagerWindow> ui_;
    QtForm form_;
    Dialogs dialogs_;
    QMenu menu_;
    SourceDatabase database_;
    WorkbenchState& state_;
    const PresetStore& presets_;
    Form& mainForm_;
    std::function<LocalDateTime()> today_ = LocalNow;
};

// 信息源设置 clicked: the source manager over the database in runDirectory, shown modally over
// mainWindow. A database that cannot be opened is named, with the reason, before the window
// opens (it then lists nothing and every change fails).
void OpenSourceManager(QWidget& mainWindow, Form& mainForm, WorkbenchState& state,
                       const PresetStore& presets, const std::string& runDirectory,
                       Dialogs& dialogs);

}  // namespace dq
