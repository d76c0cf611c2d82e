// A Form over plain maps: the controls of a window that is never shown. The unattended run
// builds the briefing on it, and tests of widget-free operations use it. Every control starts
// empty, unchecked, with no selection (-1; tab controls should be set explicitly), visible.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "workbench/form.h"

namespace dq {

class PlainForm : public Form {
public:
    struct Geometry {
        int top = 0;
        int height = 0;
    };

    Text text(std::string_view control) const override;
    void setText(std::string_view control, const Text& value) override;
    void appendText(std::string_view control, const Text& value) override;
    bool checked(std::string_view control) const override;
    void setChecked(std::string_view control, bool on) override;
    int currentIndex(std::string_view control) const override;
    void setCurrentIndex(std::string_view control, int index) override;
    void setVisible(std::string_view control, bool visible) override;
    bool visible(std::string_view control) const;
    void setTopAndHeight(std::string_view control, int top, int height) override;

    int rowCount(std::string_view list) const override;
    Text cell(std::string_view list, int row, int column) const override;
    void setCell(std::string_view list, int row, int column, const Text& value) override;
    int addRow(std::string_view list, const std::vector<Text>& cells) override;
    void removeRow(std::string_view list, int row) override;
    void clearRows(std::string_view list) override;
    int selectedRow(std::string_view list) const override;
    void setSelectedRow(std::string_view list, int row) override;

    // The state itself, by control name, for callers that set up or inspect many controls.
    std::map<std::string, Text, std::less<>> texts;
    std::map<std::string, bool, std::less<>> checks;
    std::map<std::string, int, std::less<>> indexes;
    std::map<std::string, bool, std::less<>> visibility;
    std::map<std::string, Geometry, std::less<>> geometry;
    std::map<std::string, std::vector<std::vector<Text>>, std::less<>> lists;
    std::map<std::string, int, std::less<>> selection;

private:
    const std::vector<std::vector<Text>>& rowsOf(std::string_view list) const;
};

}  // namespace dq
