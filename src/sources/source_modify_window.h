// The modify window of the source manager: the four texts of one record, rewritten in place.
// Created afresh for every modify.
#pragma once

#include <QDialog>
#include <memory>

#include "sources/pattern_trial.h"
#include "sources/source_database.h"
#include "sources/source_row.h"
#include "workbench/dialogs.h"
#include "workbench/qt_form.h"

namespace Ui {
class SourceModifyWindow;
}

namespace dq {

class SourceModifyWindow : public QDialog {
    Q_OBJECT
  public:
    // edited: the row shown; after a stored change it holds the four new texts.
    SourceModifyWindow(SourceDatabase& database, SourceRow& edited,
                       const PatternTrialSettings& trial, QWidget* parent = nullptr);
    ~SourceModifyWindow() override;

  private:
    void confirm();

    std::unique_ptr<Ui::SourceModifyWindow> ui_;
    QtForm form_;
    Dialogs dialogs_;
    SourceDatabase& database_;
    SourceRow& edited_;
};

}  // namespace dq
