#include "workbench/own_presets.h"

#include <algorithm>

#include "content/news_catalogue.h"
#include "web/encoding.h"
#include "workbench/control_names.h"
#include "workbench/own_preset_keys.h"
#include "workbench/preset_keys.h"

namespace dq {
namespace {

constexpr int kHotListPage = 1;
constexpr std::string_view kUtf8 = controls::kSourceIsUtf8;
constexpr std::string_view kGb2312 = "单选框_gb2312";

template <typename Visit>
void ForEachHotListRadio(Visit&& visit) {
    for (const NewsSource& source : NewsCatalogue()) {
        if (source.tabPage == kHotListPage) visit(source.control);
    }
}

}  // namespace

std::vector<std::pair<Text, Text>> OwnChoicesToSave(const Form& form) {
    std::vector<std::pair<Text, Text>> values;
    bool found = false;
    ForEachHotListRadio([&](std::string_view control) {
        if (found || !form.checked(control)) return;
        values.emplace_back(own_preset::HotListChoice(), Utf8ToAnsi(control));
        found = true;
    });
    values.emplace_back(own_preset::CustomSourceUtf8(),
                        form.checked(kUtf8) ? preset::FlagTrue() : preset::FlagFalse());
    return values;
}

void RestoreOwnChoices(Form& form, const PresetStore& presets) {
    const Text hotList = presets.read(own_preset::Section(), own_preset::HotListChoice());
    ForEachHotListRadio([&](std::string_view control) {
        if (!hotList.empty() && Utf8ToAnsi(control) == hotList) form.setChecked(control, true);
    });
    const Text utf8 = presets.read(own_preset::Section(), own_preset::CustomSourceUtf8());
    if (utf8.empty()) return;  // never saved: the design state stands
    const bool on = utf8 == preset::FlagTrue();
    form.setChecked(on ? kUtf8 : kGb2312, true);
    form.setChecked(on ? kGb2312 : kUtf8, false);
}

std::string SaveInterfaceRow(const Form& form, const PresetStore& presets) {
    const int row = form.selectedRow(controls::kInterfaceList);
    if (row < 0) return {};
    std::vector<std::pair<Text, Text>> values;
    int column = 0;
    for (const Text* key : own_preset::InterfaceRowKeys()) {
        values.emplace_back(*key, form.cell(controls::kInterfaceList, row, column++));
    }
    return presets.write(own_preset::Section(), values);
}

void RestoreInterfaceRow(Form& form, const PresetStore& presets) {
    std::vector<Text> cells;
    for (const Text* key : own_preset::InterfaceRowKeys()) {
        cells.push_back(presets.read(own_preset::Section(), *key));
    }
    if (std::all_of(cells.begin(), cells.end(), [](const Text& cell) { return cell.empty(); }))
        return;
    form.clearRows(controls::kInterfaceList);
    form.setSelectedRow(controls::kInterfaceList, form.addRow(controls::kInterfaceList, cells));
}

}  // namespace dq
