// The Form of a real window: each control is the child widget whose objectName is the control
// name; the window itself answers to its own objectName (its caption is its text).
#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

#include "workbench/form.h"

namespace dq {

class QtForm : public Form {
public:
    explicit QtForm(QWidget& window) : window_(window) {}

    Text text(std::string_view control) const override;
    void setText(std::string_view control, const Text& value) override;
    void appendText(std::string_view control, const Text& value) override;

    bool checked(std::string_view control) const override;
    void setChecked(std::string_view control, bool on) override;

    int currentIndex(std::string_view control) const override;
    void setCurrentIndex(std::string_view control, int index) override;

    void setVisible(std::string_view control, bool visible) override;
    void setTopAndHeight(std::string_view control, int top, int height) override;

    int rowCount(std::string_view list) const override;
    Text cell(std::string_view list, int row, int column) const override;
    void setCell(std::string_view list, int row, int column, const Text& value) override;
    int addRow(std::string_view list, const std::vector<Text>& cells) override;
    void removeRow(std::string_view list, int row) override;
    void clearRows(std::string_view list) override;
    int selectedRow(std::string_view list) const override;
    void setSelectedRow(std::string_view list, int row) override;

    // The widget named control, or nullptr (with a warning) when the window has none.
    QWidget* widget(std::string_view control) const;

private:
    QTreeWidget* list(std::string_view control) const;
    QTreeWidgetItem* item(std::string_view control, int row) const;

    QWidget& window_;
};

}  // namespace dq
