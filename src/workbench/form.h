// Widget-free access to the controls of a window, addressed by their control names (the Qt
// objectNames, UTF-8). The main window implements it over its widgets; tests use a fake.
// Values of controls are Text (GBK). Writing a state through this interface never runs the
// control's event handler.
#pragma once

#include <string_view>

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
};

}  // namespace dq
