#include "sources/pattern_test_button.h"

#include "workbench/busy_state.h"
#include "workbench/control_names.h"

namespace dq {

void ConnectPatternTestButton(QAbstractButton& button, Form& form, std::string_view addressBox,
                              std::string_view patternBox, const PatternTrialSettings& settings) {
    QObject::connect(
        &button, &QAbstractButton::clicked, &button, [&form, addressBox, patternBox, settings] {
            Text outcome;
            {
                BusyState busy;
                PatternTrialSettings trial = settings;
                trial.whileWaiting = BusyState::Pump();
                outcome = TryPattern(form.text(addressBox), form.text(patternBox), trial);
            }
            form.setText(controls::kPatternTestResult, outcome);
        });
}

}  // namespace dq
