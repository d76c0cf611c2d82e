#include "workbench/success_window.h"

#include "ui_success_window.h"

namespace dq {

SuccessWindow::SuccessWindow(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::SuccessWindow>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    connect(ui_->按钮1, &QPushButton::clicked, this, &QDialog::accept);
}

SuccessWindow::~SuccessWindow() = default;

}  // namespace dq
