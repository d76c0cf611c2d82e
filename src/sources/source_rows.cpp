#include "sources/source_rows.h"

#include "sources/source_statements.h"

namespace dq {

SourceRow ReadSourceRow(const SourceRecordset& recordset) {
    return {ValueText(recordset.readColumn(1)), ValueText(recordset.readColumn(2)),
            ValueText(recordset.readColumn(3)), ValueText(recordset.readColumn(4)),
            ValueText(recordset.readColumn(5))};
}

std::vector<SourceRow> ReadSourceRows(SourceDatabase& database, const SourceStatement& query) {
    std::optional<SourceRecordset> recordset = database.query(query);
    std::vector<SourceRow> rows;
    if (!recordset) return rows;
    for (recordset->moveFirst(); !recordset->isEnd(); recordset->moveNext()) {
        rows.push_back(ReadSourceRow(*recordset));
    }
    return rows;
}

std::optional<SourceRow> ReadNewestSourceRow(SourceDatabase& database) {
    std::optional<SourceRecordset> recordset = database.query(AllSources());
    if (!recordset) return std::nullopt;
    recordset->moveLast();
    if (recordset->isEnd()) return std::nullopt;
    return ReadSourceRow(*recordset);
}

}  // namespace dq
