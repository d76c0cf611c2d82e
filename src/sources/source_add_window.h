// The add window of the source manager: category, page address and pattern of a new source,
// stored with today's date. Created afresh for every add.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "sources/pattern_trial.h"
#include "sources/source_database.h"
#include "workbench/date_time_text.h"
#include "workbench/dialogs.h"
#include "workbench/qt_form.h"

namespace Ui {
class SourceAddWindow;
}

namespace dq {

class SourceAddWindow : public QDialog {
    Q_OBJECT
  public:
    // today: the clock the date of the new record is taken from.
    SourceAddWindow(SourceDatabase& database, const PatternTrialSettings& trial,
                    std::function<LocalDateTime()> today, QWidget* parent = nullptr);
    ~SourceAddWindow() override;

    // The add result: true once a record was stored.
    bool added() const { return added_; }

  private:
    void confirm();

    std::unique_ptr<Ui::SourceAddWindow> ui_;
    QtForm form_;
    Dialogs dialogs_;
    SourceDatabase& database_;
    std::function<LocalDateTime()> today_;
    bool added_ = false;
};

}  // namespace dq
