#include "health/check_run.h"

#include <mutex>
#include <optional>

#include "health/source_table.h"
#include "unattended/exit_status.h"
#include "web/encoding.h"
#include "workbench/own_preset_keys.h"
#include "workbench/preset_keys.h"
#include "workbench/preset_store.h"

namespace dq {
namespace {

// The chosen custom source as the presets hold it; its encoding as saved, UTF-8 (the design
// state) when never saved.
std::vector<SourceToCheck> SavedSources(const PresetStore& presets) {
    WorkbenchState state;
    state.sourceName = presets.read(preset::SourceName());
    state.sourceUrl = presets.read(preset::SourceUrl());
    state.sourcePattern = presets.read(preset::SourcePattern());
    const Text utf8 = presets.read(own_preset::Section(), own_preset::CustomSourceUtf8());
    return SourcesToCheck(state, utf8 != preset::FlagFalse());
}

}  // namespace

int RunCheckSources(const std::string& directory, std::ostream& out, std::ostream& err) {
    const std::vector<SourceToCheck> sources = SavedSources(PresetStore(directory));
    std::vector<std::optional<SourceCheck>> checks(sources.size());
    std::mutex progress;
    std::size_t done = 0;
    CheckSources(sources, [&](std::size_t index, const SourceCheck& check) {
        const std::lock_guard lock(progress);
        checks[index] = check;
        err << "checked " << ++done << "/" << sources.size() << " " << AnsiToUtf8(sources[index].name)
            << "\n" << std::flush;
    });
    out << FormatSourceTable(sources, checks) << std::flush;
    int broken = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        broken += sources[i].builtIn && checks[i] && checks[i]->matchesNothing();
    }
    if (broken > 0) err << broken << " built-in source(s) match nothing\n";
    return broken > 0 ? exit_status::kSourceBroken : exit_status::kDone;
}

}  // namespace dq
