// The Form of a real window: each control is the child widget whose objectName is the control
// name; the window itself answers to its own objectName (its caption is its text).
#pragma once

#include <QWidget>

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

    // The widget named control, or nullptr (with a warning) when the window has none.
    QWidget* widget(std::string_view control) const;

private:
    QWidget& window_;
};

}  // namespace dq
