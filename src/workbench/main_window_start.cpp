// The creation sequence of the main window: each preset is read from the file at the moment
// its step needs it.
#include "content/quotes.h"
#include "content/weather.h"
#include "workbench/main_window.h"
#include "workbench/preset_keys.h"

namespace dq {
namespace {

// "Dawnquill v终版" and the credit of the site the program is published on:
// "  本软件发布于晨笔论坛".
constexpr char kCaption[] =
    "Dawnquill v\xD6\xD5\xB0\xE6  \xB1\xBE\xC8\xED\xBC\xFE\xB7\xA2\xB2\xBC\xD3\xDA\xB3\xBF\xB1\xCA"
    "\xC2\xDB\xCC\xB3";
constexpr char kCurrentSourcePrefix[] = "\xB5\xB1\xC7\xB0\xD1\xA1\xD4\xF1\xA3\xBA";  // 当前选择：

// The first entry of 组合框_新闻条数 is "5".
constexpr int kFirstNewsCount = 5;

}  // namespace

void MainWindow::runCreationSequence() {
    show();
    form_.setText("MainWindow", kCaption);
    restoreSkinChoice();
    DrawQuote(form_, dialogs_);

    const int newsCount = presets_.readInt(preset::kNewsCount);
    state_.newsCount = newsCount;
    // Counts below the first entry select nothing (and cannot overflow the subtraction).
    form_.setCurrentIndex("组合框_新闻条数",
                          newsCount >= kFirstNewsCount ? newsCount - kFirstNewsCount : -1);

    // Checked from code, so their click handlers do not run: both custom boxes stay visible.
    form_.setChecked("单选框_晨报自定义头部", true);
    form_.setChecked("单选框_寄语自定义头部", true);

    form_.setText("城镇", presets_.read(preset::kCity));
    form_.setText("自定义头部", presets_.read(preset::kHeader));
    form_.setText("编辑框_寄语头部", presets_.read(preset::kQuoteHeader));

    presets_.restoreNewsChoice(form_);
    restoreLinkChoice();
    restoreWeatherSwitch();
    restoreCustomSource();
}

void MainWindow::restoreSkinChoice() {
    const int skin = presets_.readInt(preset::kSkin);
    applySkin(skin);
    form_.setCurrentIndex("皮肤_组合框", skin);
}

// Restores the invariant of the two link boxes as well: short links on implies links on.
void MainWindow::restoreLinkChoice() {
    form_.setChecked("选择框_开启网址", presets_.readFlag(preset::kLinksOn));
    const bool shortLinks = presets_.readFlag(preset::kShortLinksOn);
    form_.setChecked("选择框_开启短链", shortLinks);
    if (shortLinks) form_.setChecked("选择框_开启网址", true);
}

// The design layout is the weather-on layout, so only the weather off needs its step run.
void MainWindow::restoreWeatherSwitch() {
    if (presets_.readFlag(preset::kWeatherOn)) {
        form_.setChecked("单选框_天气开", true);
        form_.setChecked("单选框_天气关", false);
        return;
    }
    form_.setChecked("单选框_天气关", true);
    form_.setChecked("单选框_天气开", false);
    WeatherOffStep(form_, state_, dialogs_);
}

void MainWindow::restoreCustomSource() {
    state_.sourceName = presets_.read(preset::kSourceName);
    state_.sourceUrl = presets_.read(preset::kSourceUrl);
    state_.sourcePattern = presets_.read(preset::kSourcePattern);
    form_.setText("透明标签_当前信息源", kCurrentSourcePrefix + state_.sourceName);
}

}  // namespace dq
