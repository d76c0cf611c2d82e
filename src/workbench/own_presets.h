// Saving and restoring our own presets (own_preset_keys.h): the hot-list choice and the
// encoding of the custom source, saved with the other presets, and the selected short-link
// interface, saved when the user selects it, so that a run without the window knows them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "web/text.h"
#include "workbench/form.h"
#include "workbench/preset_store.h"

namespace dq {

// The keys and values 按钮_保存 writes into our own section. The hot-list choice is left out
// when no radio button of that page is checked, so that it keeps its earlier value.
std::vector<std::pair<Text, Text>> OwnChoicesToSave(const Form& form);

// Checks the saved hot-list radio button and the saved encoding of the custom source; a key
// that is missing or names no such control changes nothing.
void RestoreOwnChoices(Form& form, const PresetStore& presets);

// Writes the seven texts of the selected row of 超级列表框_接口列表; nothing without a
// selection. Returns the reason of a failed write, empty on success.
std::string SaveInterfaceRow(const Form& form, const PresetStore& presets);

// Puts the saved interface into 超级列表框_接口列表 as its one row, selected; the list is left
// alone when no interface was saved.
void RestoreInterfaceRow(Form& form, const PresetStore& presets);

}  // namespace dq
