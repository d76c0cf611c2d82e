// The part of the main window's creation sequence that restores the user's saved choices into
// the controls: the first quote, the headline count, the header boxes, the news choice, the
// link boxes, the weather switch and the chosen custom source. The window runs it after its
// caption and skin; the unattended run runs it on a form that is never shown, so both build
// the briefing from the same state.
#pragma once

#include "workbench/form.h"
#include "workbench/messages.h"
#include "workbench/preset_store.h"
#include "workbench/workbench_state.h"

namespace dq {

void RestoreSavedChoices(Form& form, WorkbenchState& state, Messages& messages,
                         const PresetStore& presets);

}  // namespace dq
