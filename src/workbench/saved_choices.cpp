// Each preset is read from the file at the moment its step needs it.
#include "workbench/saved_choices.h"

#include "content/quotes.h"
#include "content/weather.h"
#include "workbench/control_names.h"
#include "workbench/message_texts.h"
#include "workbench/own_presets.h"
#include "workbench/preset_keys.h"

namespace dq {
namespace {

// The first entry of 组合框_新闻条数 is "5".
constexpr int kFirstNewsCount = 5;

void RestoreNewsCount(Form& form, WorkbenchState& state, const PresetStore& presets) {
    const int newsCount = presets.readInt(preset::NewsCount());
    state.newsCount = newsCount;
    // Counts below the first entry select nothing (and cannot overflow the subtraction).
    form.setCurrentIndex(controls::kNewsCount,
                         newsCount >= kFirstNewsCount ? newsCount - kFirstNewsCount : -1);
}

// Restores the invariant of the two link boxes as well: short links on implies links on.
void RestoreLinkChoice(Form& form, const PresetStore& presets) {
    form.setChecked(controls::kLinksOn, presets.readFlag(preset::LinksOn()));
    const bool shortLinks = presets.readFlag(preset::ShortLinksOn());
    form.setChecked(controls::kShortLinksOn, shortLinks);
    if (shortLinks) form.setChecked(controls::kLinksOn, true);
}

// The design layout is the weather-on layout, so only the weather off needs its step run.
void RestoreWeatherSwitch(Form& form, const WorkbenchState& state, Messages& messages,
                          const PresetStore& presets) {
    if (presets.readFlag(preset::WeatherOn())) {
        form.setChecked(controls::kWeatherOn, true);
        form.setChecked(controls::kWeatherOff, false);
        return;
    }
    form.setChecked(controls::kWeatherOff, true);
    form.setChecked(controls::kWeatherOn, false);
    WeatherOffStep(form, state, messages);
}

void RestoreCustomSource(Form& form, WorkbenchState& state, const PresetStore& presets) {
    state.sourceName = presets.read(preset::SourceName());
    state.sourceUrl = presets.read(preset::SourceUrl());
    state.sourcePattern = presets.read(preset::SourcePattern());
    form.setText(controls::kCurrentSourceLabel, messages::CurrentChoicePrefix() + state.sourceName);
}

}  // namespace

void RestoreSavedChoices(Form& form, WorkbenchState& state, Messages& messages,
                         const PresetStore& presets) {
    DrawQuote(form, messages);
    RestoreNewsCount(form, state, presets);

    // Checked from code, so their click handlers do not run: both custom boxes stay visible.
    form.setChecked(controls::kCustomHeaderChoice, true);
    form.setChecked(controls::kQuoteCustomHeader, true);

    form.setText(controls::kCity, presets.read(preset::City()));
    form.setText(controls::kCustomHeader, presets.read(preset::Header()));
    form.setText(controls::kQuoteHeaderBox, presets.read(preset::QuoteHeader()));

    presets.restoreNewsChoice(form);
    RestoreOwnChoices(form, presets);
    RestoreLinkChoice(form, presets);
    RestoreWeatherSwitch(form, state, messages, presets);
    RestoreCustomSource(form, state, presets);
}

}  // namespace dq
