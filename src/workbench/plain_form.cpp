#include "workbench/plain_form.h"

namespace dq {
namespace {

template <typename Map, typename Value>
Value Lookup(const Map& map, std::string_view key, Value fallback) {
    const auto it = map.find(key);
    return it == map.end() ? fallback : it->second;
}

bool Inside(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

Text PlainForm::text(std::string_view control) const { return Lookup(texts, control, Text{}); }

void PlainForm::setText(std::string_view control, const Text& value) {
    texts[std::string(control)] = value;
}

void PlainForm::appendText(std::string_view control, const Text& value) {
    texts[std::string(control)] += value;
}

bool PlainForm::checked(std::string_view control) const { return Lookup(checks, control, false); }

void PlainForm::setChecked(std::string_view control, bool on) {
    checks[std::string(control)] = on;
}

int PlainForm::currentIndex(std::string_view control) const {
    return Lookup(indexes, control, -1);
}

void PlainForm::setCurrentIndex(std::string_view control, int index) {
    indexes[std::string(control)] = index;
}

void PlainForm::setVisible(std::string_view control, bool visible) {
    visibility[std::string(control)] = visible;
}

bool PlainForm::visible(std::string_view control) const {
    return Lookup(visibility, control, true);
}

void PlainForm::setTopAndHeight(std::string_view control, int top, int height) {
    geometry[std::string(control)] = Geometry{top, height};
}

const std::vector<std::vector<Text>>& PlainForm::rowsOf(std::string_view list) const {
    static const std::vector<std::vector<Text>> none;
    const auto it = lists.find(list);
    return it == lists.end() ? none : it->second;
}

int PlainForm::rowCount(std::string_view list) const {
    return static_cast<int>(rowsOf(list).size());
}

Text PlainForm::cell(std::string_view list, int row, int column) const {
    const auto& rows = rowsOf(list);
    if (!Inside(row, rows.size())) return {};
    const auto& cells = rows[static_cast<std::size_t>(row)];
    return Inside(column, cells.size()) ? cells[static_cast<std::size_t>(column)] : Text{};
}

void PlainForm::setCell(std::string_view list, int row, int column, const Text& value) {
    auto& rows = lists[std::string(list)];
    if (!Inside(row, rows.size()) || column < 0) return;
    auto& cells = rows[static_cast<std::size_t>(row)];
    if (!Inside(column, cells.size())) cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = value;
}

int PlainForm::addRow(std::string_view list, const std::vector<Text>& cells) {
    auto& rows = lists[std::string(list)];
    rows.push_back(cells);
    return static_cast<int>(rows.size()) - 1;
}

void PlainForm::removeRow(std::string_view list, int row) {
    auto& rows = lists[std::string(list)];
    if (!Inside(row, rows.size())) return;
    rows.erase(rows.begin() + row);
    const auto selected = selection.find(list);
    if (selected == selection.end()) return;
    if (selected->second == row) selected->second = -1;
    else if (selected->second > row) --selected->second;
}

void PlainForm::clearRows(std::string_view list) {
    lists[std::string(list)].clear();
    selection[std::string(list)] = -1;
}

int PlainForm::selectedRow(std::string_view list) const { return Lookup(selection, list, -1); }

void PlainForm::setSelectedRow(std::string_view list, int row) {
    selection[std::string(list)] = Inside(row, rowsOf(list).size()) ? row : -1;
}

}  // namespace dq
