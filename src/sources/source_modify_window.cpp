#include "sources/source_modify_window.h"

#include "sources/pattern_test_button.h"
#include "sources/source_statements.h"
#include "sources/source_texts.h"
#include "ui_source_modify_window.h"
#include "workbench/control_names.h"

namespace dq {

SourceModifyWindow::SourceModifyWindow(SourceDatabase& database, SourceRow& edited,
                                       const PatternTrialSettings& trial, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SourceModifyWindow>()),
      form_(*this),
      dialogs_(this),
      database_(database),
      edited_(edited) {
    ui_->setupUi(this);
    setFixedSize(size());
    connect(ui_->按钮_确认添加, &QPushButton::clicked, this, &SourceModifyWindow::confirm);
    connect(ui_->按钮_取消添加, &QPushButton::clicked, this, &QDialog::reject);
    ConnectPatternTestButton(*ui_->按钮_测试, form_, controls::kModifyAddress,
                             controls::kModifyPattern, trial);
    form_.setText(controls::kModifyCategory, edited_.category);
    form_.setText(controls::kModifyAddress, edited_.address);
    form_.setText(controls::kModifyPattern, edited_.pattern);
    form_.setText(controls::kModifyDate, edited_.date);
    ui_->编辑框_新闻类别->setFocus();
}

SourceModifyWindow::~SourceModifyWindow() = default;

void SourceModifyWindow::confirm() {
    const SourceRow changed = {
        edited_.id, form_.text(controls::kModifyCategory), form_.text(controls::kModifyAddress),
        form_.text(controls::kModifyPattern), form_.text(controls::kModifyDate)};
    if (!database_.execute(ModifySource(changed))) {
        dialogs_.showBox(sources::NotModifiedMessage(), sources::kFailedTitle,
                         MessageIcon::Information, QMessageBox::Ok);
        return;
    }
    dialogs_.showBox(sources::ModifiedMessage(), sources::kSucceededTitle, MessageIcon::Information,
                     QMessageBox::Ok);
    edited_ = changed;
    accept();
}

}  // namespace dq
