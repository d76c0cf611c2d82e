// Reading query results of the source database as SourceRows.
#pragma once

#include <optional>
#include <vector>

#include "sources/source_database.h"
#include "sources/source_row.h"

namespace dq {

// The current row of recordset, each column through the general value-to-text conversion:
// the key (any number) in "%.13g" form, the texts as stored.
SourceRow ReadSourceRow(const SourceRecordset& recordset);

// Every row of the query's result in order; none when the query is refused.
std::vector<SourceRow> ReadSourceRows(SourceDatabase& database, const SourceStatement& query);

// The last row of the full list, which is the record added last; nothing when the table is
// empty or the query is refused.
std::optional<SourceRow> ReadNewestSourceRow(SourceDatabase& database);

}  // namespace dq
