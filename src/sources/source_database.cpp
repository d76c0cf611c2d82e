#include "sources/source_database.h"

#include <sqlite3.h>

#include <memory>

#include "web/encoding.h"

namespace dq {
namespace {

constexpr char kCreateTable[] =
    "CREATE TABLE IF NOT EXISTS YHB (ID INTEGER PRIMARY KEY AUTOINCREMENT, YHM TEXT, MM TEXT, "
    "JE TEXT, RQ TEXT)";

struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using PreparedStatement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// The statement compiled with its values bound as UTF-8 texts; null when refused.
PreparedStatement Prepare(sqlite3* db, const SourceStatement& source) {
    if (db == nullptr) return nullptr;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, source.sql.data(), static_cast<int>(source.sql.size()), &raw,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    PreparedStatement statement(raw);
    int index = 1;
    for (const Text& value : source.values) {
        const Text utf8 = AnsiToUtf8(value);
        if (sqlite3_bind_text64(raw, index++, utf8.data(), utf8.size(), SQLITE_TRANSIENT,
                                SQLITE_UTF8) != SQLITE_OK) {
            return nullptr;
        }
    }
    return statement;
}

// A column declared BOOLEAN (or BOOL) holds logical values as numbers.
bool DeclaredBoolean(sqlite3_stmt* statement, int column) {
    const char* declared = sqlite3_column_decltype(statement, column);
    return declared != nullptr &&
           (sqlite3_stricmp(declared, "BOOLEAN") == 0 || sqlite3_stricmp(declared, "BOOL") == 0);
}

SourceValue ReadValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
        case SQLITE_FLOAT: {
            const double number = sqlite3_column_double(statement, column);
            if (DeclaredBoolean(statement, column)) return SourceValue::OfFlag(number != 0);
            return SourceValue::Of(number);
        }
        case SQLITE_TEXT: {
            const auto* utf8 =
                reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            const auto length = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
            return SourceValue::Of(Utf8ToAnsi(std::string_view(utf8, length)));
        }
        case SQLITE_BLOB: {
            const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
            const auto length = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
            return SourceValue::Of(TextFromBytes(std::string_view(bytes, length)));
        }
        default:
            return {};
    }
}

}  // namespace

SourceValue SourceRecordset::readColumn(int position) const {
    if (isEnd() || position < 1) return {};
    const std::vector<SourceValue>& row = rows_[cursor_];
    const auto column = static_cast<std::size_t>(position - 1);
    return column < row.size() ? row[column] : SourceValue{};
}

SourceDatabase::~SourceDatabase() { close(); }

bool SourceDatabase::open(const std::string& path) {
    close();
    openError_.clear();
    sqlite3* db = nullptr;
    const int opened =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    // The table is made here too, and this is the first statement that reads the file, so a
    // file that is no database is found out now, before anything is listed from it.
    if (opened != SQLITE_OK ||
        sqlite3_exec(db, kCreateTable, nullptr, nullptr, nullptr) != SQLITE_OK) {
        openError_ = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(opened);
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    return true;
}

bool SourceDatabase::execute(const SourceStatement& statement) {
    const PreparedStatement prepared = Prepare(db_, statement);
    return prepared != nullptr && sqlite3_step(prepared.get()) == SQLITE_DONE;
}

std::optional<SourceRecordset> SourceDatabase::query(const SourceStatement& statement) {
    const PreparedStatement prepared = Prepare(db_, statement);
    if (prepared == nullptr) return std::nullopt;
    sqlite3_stmt* raw = prepared.get();
    const int columns = sqlite3_column_count(raw);
    std::vector<std::vector<SourceValue>> rows;
    int step = 0;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
        std::vector<SourceValue>& row = rows.emplace_back();
        row.reserve(static_cast<std::size_t>(columns));
        for (int column = 0; column < columns; ++column) row.push_back(ReadValue(raw, column));
    }
    if (step != SQLITE_DONE) return std::nullopt;
    return SourceRecordset(std::move(rows));
}

void SourceDatabase::close() {
    sqlite3_close(db_);
    db_ = nullptr;
}

}  // namespace dq
