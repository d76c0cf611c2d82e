// The creation sequence of the main window: caption and skin, then the saved choices.
#include "web/gbk_literal.h"
#include "workbench/control_names.h"
#include "workbench/main_window.h"
#include "workbench/preset_keys.h"
#include "workbench/saved_choices.h"

namespace dq {
namespace {

using namespace dq::literals;

// The version and the credit of the site the program is published on.
const Text& Caption() { return "Dawnquill v终版  本软件发布于晨笔论坛"_gbk; }

}  // namespace

void MainWindow::runCreationSequence() {
    show();
    form_.setText(controls::kMainWindow, Caption());
    restoreSkinChoice();
    RestoreSavedChoices(form_, state_, dialogs_, presets_);
}

void MainWindow::restoreSkinChoice() {
    const int skin = presets_.readInt(preset::Skin());
    applySkin(skin);
    form_.setCurrentIndex(controls::kSkinChoice, skin);
}

}  // namespace dq
