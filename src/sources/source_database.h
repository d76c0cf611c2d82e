// The database of the user's own news sources: one SQLite file with the table YHB
// (ID INTEGER PRIMARY KEY AUTOINCREMENT, YHM, MM, JE, RQ). Texts cross this boundary in GBK
// and are stored as UTF-8, so that `like` compares whole characters and never matches inside
// the bytes of a Chinese character; a read gives back the GBK text that was written. Values
// always travel as bound parameters, never inside the SQL text, so no value can end a
// literal early or run as SQL.
//
//   SourceDatabase database;
//   database.open(RunDirectory() + "/Sorvane.db");
//   database.execute(AddSource(category, address, pattern, date));
//   for (const SourceRow& row : ReadSourceRows(database, AllSources())) ...
//
// A database that could not be opened refuses every query (nothing is listed) and fails
// every execute.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sources/source_value.h"
#include "web/text.h"

struct sqlite3;

namespace dq {

// One SQL statement with the values of its parameters ?1, ?2, ... in order (GBK).
struct SourceStatement {
    std::string_view sql;
    std::vector<Text> values;
};

// The rows of one query's result, read in full, with a cursor over them.
class SourceRecordset {
  public:
    explicit SourceRecordset(std::vector<std::vector<SourceValue>> rows) : rows_(std::move(rows)) {}

    void moveFirst() { cursor_ = 0; }
    // To the last row; on an empty result the cursor stays at the end.
    void moveLast() { cursor_ = rows_.empty() ? 0 : rows_.size() - 1; }
    void moveNext() {
        if (cursor_ < rows_.size()) ++cursor_;
    }
    // True when the cursor stands after the last row, also for an empty result.
    bool isEnd() const { return cursor_ >= rows_.size(); }
    // Column position (1-based) of the current row; no value at the end or past the columns.
    SourceValue readColumn(int position) const;

  private:
    std::vector<std::vector<SourceValue>> rows_;
    std::size_t cursor_ = 0;
};

class SourceDatabase {
  public:
    SourceDatabase() = default;
    ~SourceDatabase();
    SourceDatabase(const SourceDatabase&) = delete;
    SourceDatabase& operator=(const SourceDatabase&) = delete;

    // Opens the file at path (closing any file open before), creating the file and the empty
    // table YHB when they are missing. False when the file cannot be opened or created, or is
    // no database; openError() then says why and the database stays closed.
    bool open(const std::string& path);
    bool isOpen() const { return db_ != nullptr; }
    // Why the last open failed, as SQLite puts it (UTF-8); empty after a successful open.
    const std::string& openError() const { return openError_; }

    // Runs a statement that returns no rows: true when the database accepted and ran it.
    bool execute(const SourceStatement& statement);
    // Runs a query and reads its whole result, cursor on the first row; nothing when the
    // database refused the query.
    std::optional<SourceRecordset> query(const SourceStatement& statement);

    void close();

  private:
    sqlite3* db_ = nullptr;
    std::string openError_;
};

}  // namespace dq
