// The main window's controls as designed, as far as building the briefing reads them, on a
// form that is never shown: the design texts of the preview boxes and the radio buttons
// checked at design.
#pragma once

#include "workbench/plain_form.h"

namespace dq {

PlainForm MainWindowAsDesigned();

}  // namespace dq
