#include "workbench/dialogs.h"

#include "workbench/qt_text.h"
#include "workbench/success_window.h"
#include "workbench/tip_window.h"

namespace dq {
namespace {

struct TestState {
    bool active = false;
    std::vector<Dialogs::Shown> shown;
    std::optional<int> nextAnswer;
    std::function<int(QDialog&)> windowHandler;
};

TestState& Test() {
    static TestState state;
    return state;
}

int TakeNextAnswer(int fallback) {
    const std::optional<int> answer = Test().nextAnswer;
    Test().nextAnswer.reset();
    return answer.value_or(fallback);
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error: return QMessageBox::Critical;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void Dialogs::show(const Text& text, MessageIcon icon) {
    const QString caption = QStringLiteral("信息：");
    const QString message = ToQString(text);
    if (Test().active) {
        Test().shown.push_back({Shown::Kind::MessageBox, caption, message, BoxIcon(icon), {}});
        TakeNextAnswer(QMessageBox::Ok);
        return;
    }
    QMessageBox box(BoxIcon(icon), caption, message, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Dialogs::showSuccess() {
    SuccessWindow window(parent_);
    openModal(window);
}

void Dialogs::showTip() {
    TipWindow window(parent_);
    openModal(window);
}

int Dialogs::openModal(QDialog& window) {
    if (Test().active) {
        Test().shown.push_back(
            {Shown::Kind::Window, window.windowTitle(), {}, QMessageBox::NoIcon, window.objectName()});
        if (Test().nextAnswer) return TakeNextAnswer(QDialog::Rejected);
        if (Test().windowHandler) return Test().windowHandler(window);
        return QDialog::Rejected;
    }
    window.setWindowModality(Qt::ApplicationModal);
    return window.exec();
}

Dialogs::TestMode::TestMode() { Test() = TestState{true, {}, {}, {}}; }

Dialogs::TestMode::~TestMode() { Test() = TestState{}; }

bool Dialogs::inTestMode() { return Test().active; }

const std::vector<Dialogs::Shown>& Dialogs::shown() { return Test().shown; }

void Dialogs::clearShown() { Test().shown.clear(); }

void Dialogs::setNextAnswer(int answer) { Test().nextAnswer = answer; }

void Dialogs::setWindowHandler(std::function<int(QDialog&)> handler) {
    Test().windowHandler = std::move(handler);
}

}  // namespace dq
