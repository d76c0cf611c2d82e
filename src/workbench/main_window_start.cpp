// The creation sequence of the main window: each preset is read from the file at the moment
// its step needs it.
#include "content/quotes.h"
#include "content/weather.h"
#include "web/gbk_literal.h"
#include "workbench/control_names.h"
#include "workbench/main_window.h"
#include "workbench/message_texts.h"
#include "workbench/preset_keys.h"

namespace dq {
namespace {

using namespace dq::literals;

// The version and the credit of the site the program is published on.
const Text& Caption() { return "Dawnquill v终版  本软件发布于晨笔论坛"_gbk; }

// The first entry of 组合框_新闻条数 is "5".
constexpr int kFirstNewsCount = 5;

}  // namespace

void MainWindow::runCreationSequence() {
    show();
    form_.setText(controls::kMainWindow, Caption());
    restoreSkinChoice();
    DrawQuote(form_, dialogs_);

    const int newsCount = presets_.readInt(preset::NewsCount());
    state_.newsCount = newsCount;
    // Counts below the first entry select nothing (and cannot overflow the subtraction).
    form_.setCurrentIndex(controls::kNewsCount,
                          newsCount >= kFirstNewsCount ? newsCount - kFirstNewsCount : -1);

    // Checked from code, so their click handlers do not run: both custom boxes stay visible.
    form_.setChecked(controls::kCustomHeaderChoice, true);
    form_.setChecked(controls::kQuoteCustomHeader, true);

    form_.setText(controls::kCity, presets_.read(preset::City()));
    form_.setText(controls::kCustomHeader, presets_.read(preset::Header()));
    form_.setText(controls::kQuoteHeaderBox, presets_.read(preset::QuoteHeader()));

    presets_.restoreNewsChoice(form_);
    restoreLinkChoice();
    restoreWeatherSwitch();
    restoreCustomSource();
}

void MainWindow::restoreSkinChoice() {
    const int skin = presets_.readInt(preset::Skin());
    applySkin(skin);
    form_.setCurrentIndex(controls::kSkinChoice, skin);
}

// Restores the invariant of the two link boxes as well: short links on implies links on.
void MainWindow::restoreLinkChoice() {
    form_.setChecked(controls::kLinksOn, presets_.readFlag(preset::LinksOn()));
    const bool shortLinks = presets_.readFlag(preset::ShortLinksOn());
    form_.setChecked(controls::kShortLinksOn, shortLinks);
    if (shortLinks) form_.setChecked(controls::kLinksOn, true);
}

// The design layout is the weather-on layout, so only the weather off needs its step run.
void MainWindow::restoreWeatherSwitch() {
    if (presets_.readFlag(preset::WeatherOn())) {
        form_.setChecked(controls::kWeatherOn, true);
        form_.setChecked(controls::kWeatherOff, false);
        return;
    }
    form_.setChecked(controls::kWeatherOff, true);
    form_.setChecked(controls::kWeatherOn, false);
    WeatherOffStep(form_, state_, dialogs_);
}

void MainWindow::restoreCustomSource() {
    state_.sourceName = presets_.read(preset::SourceName());
    state_.sourceUrl = presets_.read(preset::SourceUrl());
    state_.sourcePattern = presets_.read(preset::SourcePattern());
    form_.setText(controls::kCurrentSourceLabel,
                  messages::CurrentChoicePrefix() + state_.sourceName);
}

}  // namespace dq
