#include "sources/source_query_window.h"

#include "sources/source_texts.h"
#include "ui_source_query_window.h"
#include "workbench/control_names.h"

namespace dq {

SourceQueryWindow::SourceQueryWindow(QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SourceQueryWindow>()),
      form_(*this),
      dialogs_(this) {
    ui_->setupUi(this);
    setFixedSize(size());
    connect(ui_->单选框_新闻类别查询, &QRadioButton::clicked, this,
            &SourceQueryWindow::keywordChosen);
    connect(ui_->单选框_查询所有, &QRadioButton::clicked, this, &SourceQueryWindow::allChosen);
    connect(ui_->按钮_确认查询, &QPushButton::clicked, this, &SourceQueryWindow::confirm);
    connect(ui_->按钮_取消查询, &QPushButton::clicked, this, &SourceQueryWindow::cancel);
    setKeywordBoxOpen(true);
    ui_->编辑框_查询关键词->setFocus();
}

SourceQueryWindow::~SourceQueryWindow() = default;

void SourceQueryWindow::setKeywordBoxOpen(bool open) {
    QLineEdit& box = *ui_->编辑框_查询关键词;
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, open ? QColor(255, 255, 255) : QColor(192, 192, 192));
    box.setPalette(palette);
    box.setEnabled(open);
}

void SourceQueryWindow::keywordChosen() {
    setKeywordBoxOpen(true);
    ui_->编辑框_查询关键词->setFocus();
}

void SourceQueryWindow::allChosen() {
    form_.setText(controls::kQueryKeyword, {});
    setKeywordBoxOpen(false);
}

void SourceQueryWindow::confirm() {
    if (form_.checked(controls::kQueryByCategory)) {
        const Text keyword = form_.text(controls::kQueryKeyword);
        if (keyword.empty()) {
            dialogs_.showBox(sources::NoKeywordMessage(), sources::kFriendlyTip,
                             MessageIcon::Information, QMessageBox::Ok);
            ui_->编辑框_查询关键词->setFocus();
            return;
        }
        query_ = {SourceQuery::Mode::Keyword, keyword};
    } else if (form_.checked(controls::kQueryAll)) {
        query_ = {SourceQuery::Mode::All, {}};
    }
    accept();
}

void SourceQueryWindow::cancel() {
    query_ = {};
    reject();
}

}  // namespace dq
