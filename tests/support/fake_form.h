// A Form over plain maps, for tests of widget-free operations: every control starts empty,
// unchecked, with no selection (-1; tab controls should be set explicitly), visible.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "workbench/form.h"

namespace dq::testing {

class FakeForm : public Form {
public:
    struct Geometry {
        int top = 0;
        int height = 0;
    };

    Text text(std::string_view control) const override { return lookup(texts, control, Text{}); }
    void setText(std::string_view control, const Text& value) override {
        texts[std::string(control)] = value;
    }
    void appendText(std::string_view control, const Text& value) override {
        texts[std::string(control)] += value;
    }
    bool checked(std::string_view control) const override { return lookup(checks, control, false); }
    void setChecked(std::string_view control, bool on) override { checks[std::string(control)] = on; }
    int currentIndex(std::string_view control) const override {
        return lookup(indexes, control, -1);
    }
    void setCurrentIndex(std::string_view control, int index) override {
        indexes[std::string(control)] = index;
    }
    void setVisible(std::string_view control, bool visible) override {
        visibility[std::string(control)] = visible;
    }
    bool visible(std::string_view control) const { return lookup(visibility, control, true); }
    void setTopAndHeight(std::string_view control, int top, int height) override {
        geometry[std::string(control)] = Geometry{top, height};
    }

    int rowCount(std::string_view list) const override {
        return static_cast<int>(rowsOf(list).size());
    }
    Text cell(std::string_view list, int row, int column) const override {
        const auto& rows = rowsOf(list);
        if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0) return {};
        const auto& cells = rows[static_cast<std::size_t>(row)];
        return column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)] : Text{};
    }
    void setCell(std::string_view list, int row, int column, const Text& value) override {
        auto& rows = lists[std::string(list)];
        if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0) return;
        auto& cells = rows[static_cast<std::size_t>(row)];
        if (column >= static_cast<int>(cells.size())) cells.resize(static_cast<std::size_t>(column) + 1);
        cells[static_cast<std::size_t>(column)] = value;
    }
    int addRow(std::string_view list, const std::vector<Text>& cells) override {
        auto& rows = lists[std::string(list)];
        rows.push_back(cells);
        return static_cast<int>(rows.size()) - 1;
    }
    void removeRow(std::string_view list, int row) override {
        auto& rows = lists[std::string(list)];
        if (row < 0 || row >= static_cast<int>(rows.size())) return;
        rows.erase(rows.begin() + row);
        int& selected = selection[std::string(list)];
        if (selected == row) selected = -1;
        else if (selected > row) --selected;
    }
    void clearRows(std::string_view list) override {
        lists[std::string(list)].clear();
        selection[std::string(list)] = -1;
    }
    int selectedRow(std::string_view list) const override { return lookup(selection, list, -1); }
    void setSelectedRow(std::string_view list, int row) override {
        selection[std::string(list)] = row >= 0 && row < rowCount(list) ? row : -1;
    }

    std::map<std::string, Text, std::less<>> texts;
    std::map<std::string, bool, std::less<>> checks;
    std::map<std::string, int, std::less<>> indexes;
    std::map<std::string, bool, std::less<>> visibility;
    std::map<std::string, Geometry, std::less<>> geometry;
    std::map<std::string, std::vector<std::vector<Text>>, std::less<>> lists;
    std::map<std::string, int, std::less<>> selection;

private:
    const std::vector<std::vector<Text>>& rowsOf(std::string_view list) const {
        static const std::vector<std::vector<Text>> none;
        const auto it = lists.find(list);
        return it == lists.end() ? none : it->second;
    }
    template <typename Map, typename Value>
    static Value lookup(const Map& map, std::string_view key, Value fallback) {
        const auto it = map.find(key);
        return it == map.end() ? fallback : it->second;
    }
};

}  // namespace dq::testing
