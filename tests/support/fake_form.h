// The Form of tests of widget-free operations: the program's own form over plain maps, whose
// state tests set and inspect directly (texts, checks, indexes, lists, ...).
#pragma once

#include "workbench/plain_form.h"

namespace dq::testing {

using FakeForm = PlainForm;

}  // namespace dq::testing
