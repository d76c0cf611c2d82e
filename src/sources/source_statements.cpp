#include "sources/source_statements.h"

namespace dq {

// The key arrives as the text the list shows; comparing it with the integer column gives it
// numeric affinity, so "12" finds the record 12.

SourceStatement AllSources() { return {"select * from YHB order by ID", {}}; }

SourceStatement SourcesByCategory(const Text& keyword) {
    return {"select * from YHB where YHM like '%' || ?1 || '%' order by ID", {keyword}};
}

SourceStatement AddSource(const Text& category, const Text& address, const Text& pattern,
                          const Text& date) {
    return {"INSERT INTO YHB (YHM,MM,JE,RQ) values (?1,?2,?3,?4)",
            {category, address, pattern, date}};
}

SourceStatement ModifySource(const SourceRow& row) {
    return {"UPDATE YHB SET YHM=?1,MM=?2,JE=?3,RQ=?4 WHERE ID=?5",
            {row.category, row.address, row.pattern, row.date, row.id}};
}

SourceStatement DeleteSource(const Text& id) { return {"DELETE FROM YHB WHERE ID=?1", {id}}; }

}  // namespace dq
