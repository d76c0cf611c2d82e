// The tip window: the author's credit and a picture; it has no handlers and is closed with its
// close box.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TipWindow;
}

namespace dq {

class TipWindow : public QDialog {
    Q_OBJECT
public:
    explicit TipWindow(QWidget* parent = nullptr);
    ~TipWindow() override;

private:
    std::unique_ptr<Ui::TipWindow> ui_;
};

}  // namespace dq
