#include "workbench/qt_form.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>

#include "workbench/qt_text.h"

namespace dq {
namespace {

// Multi-line boxes hold paragraphs; the briefing texts carry CR LF line ends. Writing turns
// each CR LF into one paragraph break, reading gives every break back as CR LF.
QString ToParagraphs(const Text& value) {
    return ToQString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

Text FromParagraphs(const QString& value) {
    QString text = value;
    return TextFromQString(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

// A paragraph break cannot tell CR LF from a lone CR or LF, so the exact Text last written to a
// multi-line box is kept on the box, with the text the box then showed; while the box still
// shows that text (the user has not edited it), reading gives the exact Text back.
constexpr char kExactText[] = "dqExactText";
constexpr char kShownText[] = "dqShownText";

template <typename Edit>
void KeepExact(Edit& edit, const Text& value) {
    edit.setProperty(kExactText, QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    edit.setProperty(kShownText, edit.toPlainText());
}

template <typename Edit>
Text ExactText(const Edit& edit) {
    const QString shown = edit.toPlainText();
    const QVariant kept = edit.property(kShownText);
    if (kept.isValid() && kept.toString() == shown) {
        const QByteArray exact = edit.property(kExactText).toByteArray();
        return Text(exact.constData(), static_cast<std::size_t>(exact.size()));
    }
    return FromParagraphs(shown);
}

// Moves the caret to the end, inserts value there and scrolls it into view.
template <typename Edit>
void AppendParagraphs(Edit& edit, const QString& value) {
    QTextCursor cursor = edit.textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(value);
    edit.setTextCursor(cursor);
    edit.ensureCursorVisible();
}

}  // namespace

QWidget* QtForm::widget(std::string_view control) const {
    const QString name = QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
    if (window_.objectName() == name) return &window_;
    QWidget* found = window_.findChild<QWidget*>(name);
    if (found == nullptr) qWarning("The window has no control named %s", qPrintable(name));
    return found;
}

Text QtForm::text(std::string_view control) const {
    QWidget* w = widget(control);
    if (w == nullptr) return {};
    if (w == &window_) return TextFromQString(w->windowTitle());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return TextFromQString(edit->text());
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) return ExactText(*plain);
    if (auto* rich = qobject_cast<QTextEdit*>(w)) return ExactText(*rich);
    if (auto* label = qobject_cast<QLabel*>(w)) return TextFromQString(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return TextFromQString(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) return TextFromQString(group->title());
    return TextFromQString(w->windowTitle());
}

void QtForm::setText(std::string_view control, const Text& value) {
    QWidget* w = widget(control);
    if (w == nullptr) return;
    if (w == &window_) {
        w->setWindowTitle(ToQString(value));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(ToQString(value));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->setPlainText(ToParagraphs(value));
        KeepExact(*plain, value);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->setPlainText(ToParagraphs(value));
        KeepExact(*rich, value);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(ToQString(value));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(ToQString(value));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(ToQString(value));
    } else {
        w->setWindowTitle(ToQString(value));
    }
}

void QtForm::appendText(std::string_view control, const Text& value) {
    QWidget* w = widget(control);
    if (w == nullptr) return;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        const Text before = ExactText(*plain);
        AppendParagraphs(*plain, ToParagraphs(value));
        KeepExact(*plain, before + value);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        const Text before = ExactText(*rich);
        AppendParagraphs(*rich, ToParagraphs(value));
        KeepExact(*rich, before + value);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->end(false);
        edit->insert(ToQString(value));
    } else {
        setText(control, text(control) + value);
    }
}

bool QtForm::checked(std::string_view control) const {
    auto* button = qobject_cast<QAbstractButton*>(widget(control));
    return button != nullptr && button->isChecked();
}

void QtForm::setChecked(std::string_view control, bool on) {
    auto* button = qobject_cast<QAbstractButton*>(widget(control));
    if (button == nullptr) return;
    if (!on && button->autoExclusive()) {
        // An exclusive radio button refuses to be unchecked directly; code may leave its
        // group without a checked button, as the user cannot.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
        return;
    }
    button->setChecked(on);
}

int QtForm::currentIndex(std::string_view control) const {
    QWidget* w = widget(control);
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentIndex();
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs->currentIndex();
    return -1;
}

void QtForm::setCurrentIndex(std::string_view control, int index) {
    QWidget* w = widget(control);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        // A page the control does not have is refused; the current page stays.
        if (index >= 0 && index < tabs->count()) tabs->setCurrentIndex(index);
    }
}

void QtForm::setVisible(std::string_view control, bool visible) {
    if (QWidget* w = widget(control)) w->setVisible(visible);
}

void QtForm::setTopAndHeight(std::string_view control, int top, int height) {
    QWidget* w = widget(control);
    if (w == nullptr) return;
    const QRect place = w->geometry();
    w->setGeometry(place.x(), top, place.width(), height);
}

// List views are QTreeWidgets with top-level items only; a cell is an item's column text.
QTreeWidget* QtForm::list(std::string_view control) const {
    return qobject_cast<QTreeWidget*>(widget(control));
}

QTreeWidgetItem* QtForm::item(std::string_view control, int row) const {
    QTreeWidget* view = list(control);
    if (view == nullptr || row < 0 || row >= view->topLevelItemCount()) return nullptr;
    return view->topLevelItem(row);
}

int QtForm::rowCount(std::string_view control) const {
    QTreeWidget* view = list(control);
    return view == nullptr ? 0 : view->topLevelItemCount();
}

Text QtForm::cell(std::string_view control, int row, int column) const {
    QTreeWidgetItem* row_item = item(control, row);
    if (row_item == nullptr || column < 0 || column >= row_item->treeWidget()->columnCount()) return {};
    return TextFromQString(row_item->text(column));
}

void QtForm::setCell(std::string_view control, int row, int column, const Text& value) {
    QTreeWidgetItem* row_item = item(control, row);
    if (row_item == nullptr || column < 0 || column >= row_item->treeWidget()->columnCount()) return;
    row_item->setText(column, ToQString(value));
}

int QtForm::addRow(std::string_view control, const std::vector<Text>& cells) {
    QTreeWidget* view = list(control);
    if (view == nullptr) return -1;
    auto* row_item = new QTreeWidgetItem(view);
    const int columns = std::min(static_cast<int>(cells.size()), view->columnCount());
    for (int column = 0; column < columns; ++column) {
        row_item->setText(column, ToQString(cells[static_cast<std::size_t>(column)]));
    }
    return view->topLevelItemCount() - 1;
}

void QtForm::removeRow(std::string_view control, int row) {
    if (item(control, row) != nullptr) delete list(control)->takeTopLevelItem(row);
}

void QtForm::clearRows(std::string_view control) {
    if (QTreeWidget* view = list(control)) view->clear();
}

int QtForm::selectedRow(std::string_view control) const {
    QTreeWidget* view = list(control);
    if (view == nullptr) return -1;
    const QList<QTreeWidgetItem*> selected = view->selectedItems();
    return selected.isEmpty() ? -1 : view->indexOfTopLevelItem(selected.first());
}

void QtForm::setSelectedRow(std::string_view control, int row) {
    QTreeWidget* view = list(control);
    if (view == nullptr) return;
    view->clearSelection();
    if (QTreeWidgetItem* row_item = item(control, row)) {
        view->setCurrentItem(row_item);
        row_item->setSelected(true);
    }
}

}  // namespace dq
