// Widget-free access to the controls of a window, addressed by their control names (the Qt
// objectNames, UTF-8). The main window implements it over its widgets; tests use a fake.
// Values of controls are Text (GBK). Writing a state through this interface never runs the
// control's event handler.
#pragma once

#include <string_view>
#include <vector>

#include "web/text.h"

namespace dq {

class Form {
public:
    virtual ~Form() = default;

    // Edit box content, label text or window caption.
    virtual Text text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, const Text& value) = 0;
    // Inserts value at the end of the present text, unchanged, and scrolls it into view.
    virtual void appendText(std::string_view control, const Text& value) = 0;

    // Check box or radio button state.
    virtual bool checked(std::string_view control) const = 0;
    virtual void setChecked(std::string_view control, bool on) = 0;

    // Combo box selection (0-based, -1 for none; an index outside the list selects nothing) or
    // the current page of a tab control (0-based).
    virtual int currentIndex(std::string_view control) const = 0;
    virtual void setCurrentIndex(std::string_view control, int index) = 0;

    virtual void setVisible(std::string_view control, bool visible) = 0;
    // Top and height in pixels, relative to the control's parent.
    virtual void setTopAndHeight(std::string_view control, int top, int height) = 0;

    // Report-style list views: rows of cells, rows and columns 0-based. A cell outside the
    // list reads as empty Text and is not written; a row outside the list is not removed.
    virtual int rowCount(std::string_view list) const = 0;
    virtual Text cell(std::string_view list, int row, int column) const = 0;
    virtual void setCell(std::string_view list, int row, int column, const Text& value) = 0;
    // Appends a row holding cells (missing cells empty) and returns its index.
    virtual int addRow(std::string_view list, const std::vector<Text>& cells) = 0;
    virtual void removeRow(std::string_view list, int row) = 0;
    virtual void clearRows(std::string_view list) = 0;
    // The selected row, -1 for none; selecting a row outside the list selects none.
    virtual int selectedRow(std::string_view list) const = 0;
    virtual void setSelectedRow(std::string_view list, int row) = 0;
};

}  // namespace dq
