#include "sources/source_add_window.h"

#include "sources/pattern_test_button.h"
#include "sources/source_statements.h"
#include "sources/source_texts.h"
#include "ui_source_add_window.h"
#include "workbench/control_names.h"

namespace dq {

SourceAddWindow::SourceAddWindow(SourceDatabase& database, const PatternTrialSettings& trial,
                                 std::function<LocalDateTime()> today, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SourceAddWindow>()),
      form_(*this),
      dialogs_(this),
      database_(database),
      today_(std::move(today)) {
    ui_->setupUi(this);
    setFixedSize(size());
    connect(ui_->按钮_添加确认, &QPushButton::clicked, this, &SourceAddWindow::confirm);
    connect(ui_->按钮_取消添加, &QPushButton::clicked, this, &QDialog::reject);
    ConnectPatternTestButton(*ui_->按钮_测试, form_, controls::kAddAddress, controls::kAddPattern,
                             trial);
    ui_->编辑框_添加新闻类别->setFocus();
}

SourceAddWindow::~SourceAddWindow() = default;

void SourceAddWindow::confirm() {
    // The date of the day only: the time part is zero, so DateTimeText writes none.
    const LocalDateTime now = today_();
    const Text date = DateTimeText({now.year, now.month, now.day});
    const bool stored = database_.execute(AddSource(form_.text(controls::kAddCategory),
                                                    form_.text(controls::kAddAddress),
                                                    form_.text(controls::kAddPattern), date));
    if (!stored) {
        dialogs_.showBox(sources::NotAddedMessage(), sources::kFailedTitle,
                         MessageIcon::Information, QMessageBox::Ok);
        return;
    }
    dialogs_.showBox(sources::AddedMessage(), sources::kSucceededTitle, MessageIcon::Information,
                     QMessageBox::Ok);
    added_ = true;
    accept();
}

}  // namespace dq
