// The statements the source manager sends to the source database, each with its values as
// parameters. Lists come in key order, so the last row is always the newest record.
#pragma once

#include "sources/source_database.h"
#include "sources/source_row.h"

namespace dq {

// Every record: the opening list, the query window's "all", the read of a new record.
SourceStatement AllSources();
// The records whose category contains keyword anywhere. `%` and `_` in the keyword are the
// wildcards of `like` (any run, any one character); ASCII letters match in either case.
SourceStatement SourcesByCategory(const Text& keyword);
// A new record; the database gives it a key larger than every earlier one.
SourceStatement AddSource(const Text& category, const Text& address, const Text& pattern,
                          const Text& date);
// Rewrites the four texts of the record whose key row.id names.
SourceStatement ModifySource(const SourceRow& row);
// Removes the record whose key id names.
SourceStatement DeleteSource(const Text& id);

}  // namespace dq
