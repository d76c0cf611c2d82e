// The small "恭喜你，操作成功!" window shown after each output action; 按钮1 closes it.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class SuccessWindow;
}

namespace dq {

class SuccessWindow : public QDialog {
    Q_OBJECT
public:
    explicit SuccessWindow(QWidget* parent = nullptr);
    ~SuccessWindow() override;

private:
    std::unique_ptr<Ui::SuccessWindow> ui_;
};

}  // namespace dq
