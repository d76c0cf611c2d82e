#include "workbench/dialogs.h"

#include <QFileDialog>

#include "workbench/busy_state.h"
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
    std::optional<QString> nextFileName;
};

TestState& TestModeState() {
    static TestState state;
    return state;
}

int TakeNextAnswer(int fallback) {
    const std::optional<int> answer = TestModeState().nextAnswer;
    TestModeState().nextAnswer.reset();
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
    showBox(text, QStringLiteral("信息："), icon, QMessageBox::Ok);
}

int Dialogs::showBox(const Text& text, const QString& caption, MessageIcon icon,
                     QMessageBox::StandardButtons buttons,
                     QMessageBox::StandardButton defaultButton) {
    const QString message = ToQString(text);
    if (TestModeState().active) {
        TestModeState().shown.push_back({Shown::Kind::MessageBox, caption, message, BoxIcon(icon),
                                         {}, static_cast<int>(buttons.toInt())});
        int fallback = defaultButton;
        for (int bit = 1; fallback == QMessageBox::NoButton && bit != 0; bit <<= 1) {
            if (buttons.toInt() & bit) fallback = bit;
        }
        return TakeNextAnswer(fallback);
    }
    QMessageBox box(BoxIcon(icon), caption, message, buttons, parent_);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    BusyState::Suspended input;
    return box.exec();
}

QString Dialogs::openFileName(const QString& caption, const QString& filter) {
    if (TestModeState().active) {
        const QString name = TestModeState().nextFileName.value_or(QString());
        TestModeState().nextFileName.reset();
        TestModeState().shown.push_back({Shown::Kind::Window, caption, name, QMessageBox::NoIcon,
                                         QStringLiteral("QFileDialog"), 0});
        return name;
    }
    BusyState::Suspended input;
    return QFileDialog::getOpenFileName(parent_, caption, QString(), filter);
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
    if (TestModeState().active) {
        TestModeState().shown.push_back({Shown::Kind::Window, window.windowTitle(), {},
                                         QMessageBox::NoIcon, window.objectName(), 0});
        if (TestModeState().nextAnswer) return TakeNextAnswer(QDialog::Rejected);
        if (TestModeState().windowHandler) return TestModeState().windowHandler(window);
        return QDialog::Rejected;
    }
    window.setWindowModality(Qt::ApplicationModal);
    BusyState::Suspended input;
    return window.exec();
}

Dialogs::TestMode::TestMode() {
    TestModeState() = TestState{};
    TestModeState().active = true;
}

Dialogs::TestMode::~TestMode() { TestModeState() = TestState{}; }

bool Dialogs::inTestMode() { return TestModeState().active; }

const std::vector<Dialogs::Shown>& Dialogs::shown() { return TestModeState().shown; }

void Dialogs::clearShown() { TestModeState().shown.clear(); }

void Dialogs::setNextAnswer(int answer) { TestModeState().nextAnswer = answer; }

void Dialogs::setNextFileName(const QString& path) { TestModeState().nextFileName = path; }

void Dialogs::setWindowHandler(std::function<int(QDialog&)> handler) {
    TestModeState().windowHandler = std::move(handler);
}

}  // namespace dq
