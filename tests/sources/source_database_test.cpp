// The source database on disk: records written and read back, the queries the windows send,
// and files that cannot be opened.
#include "sources/source_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "source_row_printer.h"
#include "sources/source_rows.h"
#include "sources/source_statements.h"
#include "web/encoding.h"
#include "workbench/presets_temp_dir.h"

namespace dq {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

Text Gbk(const char* utf8) { return Utf8ToAnsi(utf8); }

class SourceDatabaseTest : public ::testing::Test {
  protected:
    std::string path() const { return directory.path() + "/Sorvane.db"; }

    void openDatabase() { ASSERT_TRUE(database.open(path())) << database.openError(); }

    void add(const Text& category, const Text& address = "http://a/", const Text& pattern = "p",
             const Text& date = "d") {
        ASSERT_TRUE(database.execute(AddSource(category, address, pattern, date)));
    }

    std::vector<SourceRow> all() { return ReadSourceRows(database, AllSources()); }

    // The keys of the rows the keyword query lists, in order.
    std::vector<Text> idsMatching(const Text& keyword) {
        std::vector<Text> ids;
        for (const SourceRow& row : ReadSourceRows(database, SourcesByCategory(keyword))) {
            ids.push_back(row.id);
        }
        return ids;
    }

    TempDir directory;
    SourceDatabase database;
};

TEST_F(SourceDatabaseTest, MissingFileIsCreatedWithAnEmptyTable) {
    ASSERT_FALSE(std::filesystem::exists(path()));
    openDatabase();
    EXPECT_TRUE(std::filesystem::exists(path()));
    EXPECT_TRUE(all().empty());
    std::optional<SourceRecordset> rows = database.query(AllSources());
    ASSERT_TRUE(rows.has_value());
    EXPECT_TRUE(rows->isEnd());
    EXPECT_FALSE(ReadNewestSourceRow(database).has_value());
}

// Quotes, SQL text and long or Chinese values are stored as given and come back byte for byte
// from the file after it is opened again.
TEST_F(SourceDatabaseTest, RecordsComeBackByteForByteAfterReopening) {
    const std::vector<SourceRow> written = {
        {"1", "it's", "http://a.example/?q='x'", "'); DROP TABLE YHB;--", Gbk("2026年1月5日")},
        {"2", "long", "http://b.example/", std::string(1 << 20, 'x') + Gbk("\"#引号'"), "d"},
        {"3", Gbk("科技新闻"), Gbk("http://c.example/新闻/"), Gbk("<a>([^<]{2,})</a>"),
         Gbk("2026年12月31日")},
    };
    openDatabase();
    for (const SourceRow& row : written) add(row.category, row.address, row.pattern, row.date);
    database.close();
    EXPECT_TRUE(all().empty());  // closed: every query is refused

    openDatabase();
    EXPECT_EQ(all(), written);
}

TEST_F(SourceDatabaseTest, KeywordQueryMatchesWholeCharactersAnywhereInTheCategory) {
    openDatabase();
    for (const char* category : {"科技新闻", "新闻联播", "体育", "Tech News", "新闻"}) {
        add(Gbk(category));
    }
    const struct {
        const char* keyword;
        std::vector<Text> ids;
    } cases[] = {
        {"新闻", {"1", "2", "5"}},
        {"体育", {"3"}},
        {"财经", {}},
        // The bytes C2 CE of 挛 stand in the middle of 新闻 (D0 C2 CE C5) in GBK: a byte-wise
        // match would find it there.
        {"挛", {}},
        {"news", {"4"}},  // ASCII letters match in either case
        {"", {"1", "2", "3", "4", "5"}},
        {"'", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(idsMatching(Gbk(c.keyword)), c.ids) << c.keyword;
}

TEST_F(SourceDatabaseTest, ModifyAndDeleteTouchOnlyTheRecordNamed) {
    openDatabase();
    add("a");
    add("b");
    add("c");
    ASSERT_TRUE(database.execute(ModifySource({"2", "b2", "http://b2/", "it's", "d2"})));
    ASSERT_TRUE(database.execute(DeleteSource("1")));
    const std::vector<SourceRow> expected = {
        {"2", "b2", "http://b2/", "it's", "d2"},
        {"3", "c", "http://a/", "p", "d"},
    };
    EXPECT_EQ(all(), expected);
}

// The newest record is the last row of the full list: a new key is larger than every key
// used before, also one whose record was deleted since.
TEST_F(SourceDatabaseTest, NewestRowIsTheRecordAddedLast) {
    openDatabase();
    add("a");
    add("b");
    add("c");
    ASSERT_TRUE(database.execute(DeleteSource("3")));
    add("d");
    const std::optional<SourceRow> newest = ReadNewestSourceRow(database);
    ASSERT_TRUE(newest.has_value());
    EXPECT_EQ(newest->id, "4");
    EXPECT_EQ(newest->category, "d");
}

// A file made elsewhere may hold other kinds of values in the pattern and date columns.
TEST_F(SourceDatabaseTest, NonTextValuesListInTheirTextForm) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE YHB (ID INTEGER PRIMARY KEY AUTOINCREMENT, YHM TEXT, "
                           "MM TEXT, JE, RQ BOOLEAN);"
                           "INSERT INTO YHB VALUES (7, 'a', 'u', 3.25, 1);"
                           "INSERT INTO YHB VALUES (12345678901, 'b', 'u', 12, 0);"
                           "INSERT INTO YHB VALUES (12345678902, 'c', 'u', NULL, NULL);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    openDatabase();
    const std::vector<SourceRow> expected = {
        {"7", "a", "u", "3.25", Gbk("真")},
        {"12345678901", "b", "u", "12", Gbk("假")},
        {"12345678902", "c", "u", "", ""},
    };
    EXPECT_EQ(all(), expected);
}

TEST(SourceValueText, FollowsTheGeneralConversion) {
    const struct {
        SourceValue value;
        Text text;
    } cases[] = {
        {SourceValue::Of(12), "12"},
        {SourceValue::Of(0.1), "0.1"},
        {SourceValue::Of(-2.5), "-2.5"},
        {SourceValue::Of(1234567890123.0), "1234567890123"},
        {SourceValue::Of(12345678901234.0), "1.234567890123e+13"},
        {SourceValue::Of(Text("3.50")), "3.50"},
        {SourceValue::OfFlag(true), Gbk("真")},
        {SourceValue::OfFlag(false), Gbk("假")},
        {SourceValue{}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ValueText(c.value), c.text);
}

// A file that cannot be opened: every query lists nothing, every change fails, the reason is
// kept, and a file that is there is left as it was.
TEST_F(SourceDatabaseTest, UnopenableFileRefusesEverything) {
    const std::string notADatabase =
        "not a database, but the user's file\n" + std::string(600, 'z');
    WriteBytes(path(), notADatabase);
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"not a database", path()},
        {"below a plain file", path() + "/Sorvane.db"},
        {"missing directory", directory.path() + "/gone/Sorvane.db"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(database.open(c.path)) << c.name;
        EXPECT_FALSE(database.isOpen()) << c.name;
        EXPECT_NE(database.openError(), "") << c.name;
        EXPECT_FALSE(database.query(AllSources()).has_value()) << c.name;
        EXPECT_TRUE(ReadSourceRows(database, AllSources()).empty()) << c.name;
        EXPECT_FALSE(database.execute(AddSource("a", "b", "c", "d"))) << c.name;
        EXPECT_FALSE(database.execute(DeleteSource("1"))) << c.name;
    }
    EXPECT_EQ(ReadBytes(path()), notADatabase);
    EXPECT_FALSE(std::filesystem::exists(directory.path() + "/gone"));
}

}  // namespace
}  // namespace dq
