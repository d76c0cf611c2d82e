// The 测试 button of the add and modify windows: fetches the page in the window's address box
// and shows in 编辑框_测试结果 what the pattern box's pattern finds there. The window stays
// busy (busy cursor, clicks dropped) while the page is fetched.
#pragma once

#include <QAbstractButton>
#include <string_view>

#include "sources/pattern_trial.h"
#include "workbench/form.h"

namespace dq {

void ConnectPatternTestButton(QAbstractButton& button, Form& form, std::string_view addressBox,
                              std::string_view patternBox, const PatternTrialSettings& settings);

}  // namespace dq
