#include "workbench/tip_window.h"

#include "ui_tip_window.h"
#include "workbench/window_pictures.h"

namespace dq {

TipWindow::TipWindow(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TipWindow>()) {
    RegisterWindowPictures();
    ui_->setupUi(this);
    setFixedSize(size());
}

TipWindow::~TipWindow() = default;

}  // namespace dq
