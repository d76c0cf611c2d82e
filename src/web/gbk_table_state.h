// Whether this process has filled the per-character table that UTF-8 → GBK conversions use.
// A start converts only short texts and leaves it unfilled; the first conversion past a few
// kilobytes in all (a fetched page) fills it. Asked by tests of that.
#pragma once

namespace dq {

bool GbkFormTableFilled();

}  // namespace dq
