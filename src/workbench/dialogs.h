// The one way the program opens a message box or a modal window. Tests switch on the test
// mode, in which nothing is shown: each box and window is recorded and answers at once.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "workbench/messages.h"

namespace dq {

class Dialogs : public Messages {
public:
    // Boxes and windows open over parent (may be null).
    explicit Dialogs(QWidget* parent) : parent_(parent) {}

    // A modal box with the caption "信息：", the text, one OK button and the icon named.
    void show(const Text& text, MessageIcon icon = MessageIcon::None) override;
    // A modal box with the caption, text, icon and buttons given; returns the button clicked
    // (a QMessageBox::StandardButton). In test mode: the next answer if one was given, else
    // the box's default button (the first of buttons when none is named).
    int showBox(const Text& text, const QString& caption, MessageIcon icon,
                QMessageBox::StandardButtons buttons,
                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // The file-open dialog with a name filter ("图片 (*.jpg)"); the chosen path, or "" when
    // cancelled. In test mode: the next file name, once; else "" (as if cancelled), so a
    // forgotten hook fails an assertion instead of hanging.
    QString openFileName(const QString& caption, const QString& filter);
    // The modal SuccessWindow.
    void showSuccess() override;
    // The modal TipWindow.
    void showTip();
    // Shows window modally and returns its result once it is closed.
    int openModal(QDialog& window);

    // What the test mode records of each box or window instead of showing it.
    struct Shown {
        enum class Kind { MessageBox, Window };
        Kind kind = Kind::MessageBox;
        QString caption;
        QString text;                                      // the message of a box
        QMessageBox::Icon icon = QMessageBox::NoIcon;      // the icon of a box
        QString window;                                    // objectName of a window
        int buttons = 0;                                   // the buttons of a box
    };

    // While a TestMode object lives, nothing is shown: every box and window is recorded, a
    // box answers OK and a window its result: the next answer if one was given, else what
    // the window handler returns when one is set (it gets the open window to work with),
    // else Rejected, as when a window is closed by its close box.
    class TestMode {
    public:
        TestMode();
        ~TestMode();
        TestMode(const TestMode&) = delete;
        TestMode& operator=(const TestMode&) = delete;
    };
    static bool inTestMode();
    static const std::vector<Shown>& shown();
    static void clearShown();
    static void setNextAnswer(int answer);
    static void setWindowHandler(std::function<int(QDialog&)> handler);
    static void setNextFileName(const QString& path);

private:
    QWidget* parent_;
};

}  // namespace dq
