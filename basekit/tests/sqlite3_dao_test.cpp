#include "basekit/sqlite3_dao.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include <sqlite3.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace basekit {
namespace {

namespace fs = std::filesystem;

// Opens the protected operations for the tests.
class TestDao : public CSqlite3Dao {
public:
    using CSqlite3Dao::batchUpdate;
    using CSqlite3Dao::batchUpdateByParams;
    using CSqlite3Dao::beginTransaction;
    using CSqlite3Dao::commitTransaction;
    using CSqlite3Dao::queryToMap;
    using CSqlite3Dao::queryToMapByParams;
    using CSqlite3Dao::queryToMapList;
    using CSqlite3Dao::queryToMapListByParams;
    using CSqlite3Dao::queryToUnOrderedMapList;
    using CSqlite3Dao::update;
    using CSqlite3Dao::updateByParams;
};

constexpr char kSchema[] =
    "CREATE TABLE systeminfo (parameterName TEXT PRIMARY KEY, parameterValue TEXT, flag TEXT);"
    "INSERT INTO systeminfo VALUES ('host', 'example.org', 'sys');"
    "INSERT INTO systeminfo VALUES ('port', '568', 'sys');"
    "INSERT INTO systeminfo VALUES ('note', NULL, NULL);"
    "CREATE TABLE numbers (id INTEGER PRIMARY KEY, amount REAL, label TEXT);";

class Sqlite3DaoTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "sqlite3-dao-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = (folder_ / "settings.db").string();
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
                  SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        ASSERT_EQ(dao_.openDb(path_.c_str()), SQLITE_OK);
    }
    void TearDown() override
    {
        dao_.closeDb();
        fs::remove_all(folder_);
    }

    std::wstring ValueOf(const std::wstring &name)
    {
        TextMap map = dao_.queryToMapByParams(
            L"select parameterName, parameterValue from systeminfo where parameterName=?", {name});
        return map[name];
    }

    fs::path folder_;
    std::string path_;
    TestDao dao_;
};

TEST_F(Sqlite3DaoTest, RowsAreKeyedByDeclaredNamesOrAliasesInStatementOrder)
{
    MapList rows = dao_.queryToMapList(
        L"select s.parametername, parametervalue value from systeminfo s where flag='sys' order by 1");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.front().at(L"parameterName").text, L"host");
    EXPECT_EQ(rows.front().at(L"value").text, L"example.org");
    EXPECT_EQ(rows.back().at(L"parameterName").text, L"port");
    EXPECT_EQ(rows.front().size(), 2u);
}

TEST_F(Sqlite3DaoTest, NullReadsAsEmptyTextInEveryForm)
{
    const std::wstring sql =
        L"select parameterName, parameterValue, flag from systeminfo where parameterName='note'";
    MapList rows = dao_.queryToMapList(sql);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().at(L"parameterValue").text, L"");
    EXPECT_EQ(rows.front().at(L"flag").text, L"");
    EXPECT_EQ(dao_.queryToMap(sql).at(L"note"), L"");
    auto unordered = dao_.queryToUnOrderedMapList(sql);
    ASSERT_EQ(unordered.size(), 1u);
    EXPECT_EQ(unordered.front().at(L"flag"), L"");
}

TEST_F(Sqlite3DaoTest, QueriesWithoutRowsGiveEmptyResults)
{
    EXPECT_TRUE(dao_.queryToMapList(L"select * from systeminfo where flag='none'").empty());
    EXPECT_TRUE(dao_.queryToMapListByParams(L"select * from systeminfo where flag=?", {L"none"}).empty());
    EXPECT_TRUE(dao_.queryToMap(L"select * from systeminfo where flag='none'").empty());
}

TEST_F(Sqlite3DaoTest, StatementsThatDoNotPrepareGiveEmptyResultsAndNoChanges)
{
    EXPECT_TRUE(dao_.queryToMapList(L"select * from no_such_table").empty());
    EXPECT_TRUE(dao_.queryToMap(L"selec nothing").empty());
    EXPECT_EQ(dao_.updateByParams(L"update no_such_table set a=?", {1}), 0);
    EXPECT_NE(dao_.update(L"update no_such_table set a=1"), SQLITE_OK);
}

TEST_F(Sqlite3DaoTest, QueryToMapKeepsTheFirstValueOfARepeatedKeyAndIgnoresLaterColumns)
{
    TextMap map =
        dao_.queryToMap(L"select flag, parameterName, parameterValue from systeminfo where flag='sys' "
                        L"order by parameterName");
    ASSERT_EQ(map.size(), 1u);
    EXPECT_EQ(map.at(L"sys"), L"host");
}

TEST_F(Sqlite3DaoTest, RepeatedColumnNameKeepsItsFirstValue)
{
    MapList rows = dao_.queryToMapList(L"select 'first' a, 'second' a");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().at(L"a").text, L"first");
}

TEST_F(Sqlite3DaoTest, UpdateByParamsCountsChangedRows)
{
    EXPECT_EQ(dao_.updateByParams(L"update systeminfo set parameterValue=? where parameterName=?",
                                  {std::wstring(L"x"), std::wstring(L"missing")}),
              0);
    EXPECT_EQ(dao_.updateByParams(L"insert into systeminfo values (?, ?, ?)",
                                  {std::wstring(L"switchTimes"), std::wstring(L"0"), std::wstring(L"sys")}),
              1);
    EXPECT_EQ(ValueOf(L"switchTimes"), L"0");
}

TEST_F(Sqlite3DaoTest, ValuesOfEveryTypeAreBoundNotPasted)
{
    const std::wstring hostile = L"x'); drop table systeminfo; --";
    EXPECT_EQ(
        dao_.updateByParams(L"insert into numbers (id, amount, label) values (?, ?, ?)", {7, 2.5, hostile}),
        1);
    EXPECT_EQ(dao_.updateByParams(L"insert into numbers (id, amount, label) values (?, ?, ?)",
                                  {8, std::monostate{}, std::monostate{}}),
              1);
    MapList rows =
        dao_.queryToMapListByParams(L"select id, amount, label from numbers where id>=? order by id", {7});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.front().at(L"amount").text, L"2.5");
    EXPECT_EQ(rows.front().at(L"label").text, hostile);
    EXPECT_EQ(rows.back().at(L"amount").text, L"");
    EXPECT_EQ(ValueOf(L"host"), L"example.org"); // the table is still there
}

TEST_F(Sqlite3DaoTest, NonAsciiTextRoundTripsUnchanged)
{
    const std::wstring text = L"福彩3D·双色球 ✓";
    ASSERT_EQ(dao_.updateByParams(L"update systeminfo set parameterValue=? where parameterName=?",
                                  {text, std::wstring(L"host")}),
              1);
    EXPECT_EQ(ValueOf(L"host"), text);
}

TEST_F(Sqlite3DaoTest, BatchUpdateByParamsSumsTheChangesOfItsRows)
{
    using PT = CSqlite3Dao::PT;
    const std::wstring sql = L"update systeminfo set parameterValue=? where parameterName=?";
    ParamRows rows = {{L"a", L"host"}, {L"b", L"port"}, {L"c", L"note"}};
    EXPECT_EQ(dao_.batchUpdateByParams(sql, {PT::Text, PT::Text}, rows), 3);
    EXPECT_EQ(ValueOf(L"port"), L"b");
    EXPECT_EQ(dao_.batchUpdateByParams(sql, {PT::Text, PT::Text}, {}), 0);
    // The empty batch still ended its transaction: another one can begin.
    EXPECT_EQ(dao_.beginTransaction(), SQLITE_OK);
    EXPECT_EQ(dao_.commitTransaction(), SQLITE_OK);
}

TEST_F(Sqlite3DaoTest, BatchUpdateByParamsBindsEachColumnByItsType)
{
    using PT = CSqlite3Dao::PT;
    ParamRows rows = {{L"1", L"0.25", L"one"}, {L"2", L"ignored", L"two"}};
    EXPECT_EQ(dao_.batchUpdateByParams(L"insert into numbers (id, amount, label) values (?, ?, ?)",
                                       {PT::Integer, PT::Real, PT::Text}, rows),
              2);
    EXPECT_EQ(dao_.batchUpdateByParams(L"insert into numbers (id, amount, label) values (?, ?, ?)",
                                       {PT::Integer, PT::Null, PT::Text}, {{L"3", L"9", L"three"}}),
              1);
    MapList stored = dao_.queryToMapList(L"select id, typeof(amount) kind, amount from numbers order by id");
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored.front().at(L"kind").text, L"real");
    EXPECT_EQ(stored.front().at(L"amount").text, L"0.25");
    EXPECT_EQ(stored.back().at(L"kind").text, L"null");
}

TEST_F(Sqlite3DaoTest, ShortParameterRowsBindNullForTheMissingValues)
{
    using PT = CSqlite3Dao::PT;
    EXPECT_EQ(dao_.batchUpdateByParams(L"insert into numbers (id, label) values (?, ?)",
                                       {PT::Integer, PT::Text}, {{L"5"}}),
              1);
    MapList stored = dao_.queryToMapList(L"select typeof(label) kind from numbers where id=5");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored.front().at(L"kind").text, L"null");
}

TEST_F(Sqlite3DaoTest, AFailingRowRollsTheWholeBatchBack)
{
    using PT = CSqlite3Dao::PT;
    // The second row repeats the primary key of the first.
    ParamRows rows = {{L"1", L"one"}, {L"1", L"again"}, {L"2", L"two"}};
    EXPECT_EQ(dao_.batchUpdateByParams(L"insert into numbers (id, label) values (?, ?)",
                                       {PT::Integer, PT::Text}, rows),
              0);
    EXPECT_TRUE(dao_.queryToMapList(L"select * from numbers").empty());
}

TEST_F(Sqlite3DaoTest, BatchUpdateIsAllOrNothing)
{
    EXPECT_EQ(dao_.batchUpdate({L"update systeminfo set parameterValue='1' where parameterName='host'",
                                L"update systeminfo set parameterValue='2' where parameterName='port'"}),
              SQLITE_OK);
    EXPECT_EQ(ValueOf(L"port"), L"2");
    EXPECT_NE(dao_.batchUpdate({L"update systeminfo set parameterValue='3' where parameterName='host'",
                                L"update no_such_table set a=1"}),
              SQLITE_OK);
    EXPECT_EQ(ValueOf(L"host"), L"1");
    EXPECT_EQ(dao_.batchUpdate({}), SQLITE_OK);
}

TEST_F(Sqlite3DaoTest, WithoutAConnectionNothingRunsAndNothingBreaks)
{
    TestDao closed;
    EXPECT_FALSE(closed.isOpen());
    EXPECT_TRUE(closed.queryToMapList(L"select 1").empty());
    EXPECT_TRUE(closed.queryToMap(L"select 1, 2").empty());
    EXPECT_EQ(closed.updateByParams(L"select 1", {}), 0);
    EXPECT_NE(closed.update(L"select 1"), SQLITE_OK);
    EXPECT_EQ(closed.batchUpdateByParams(L"select 1", {}, {{}}), 0);
    EXPECT_EQ(closed.closeDb(), SQLITE_OK);
}

TEST_F(Sqlite3DaoTest, AMissingFileIsNotCreated)
{
    TestDao other;
    const std::string missing = (folder_ / "missing.db").string();
    EXPECT_NE(other.openDb(missing.c_str()), SQLITE_OK);
    EXPECT_FALSE(other.isOpen());
    EXPECT_FALSE(fs::exists(missing));
}

// The reason of a failure is the reason of the last operation's first failure, and a success
// clears it: a caller reads it right after the operation that failed.
TEST_F(Sqlite3DaoTest, TheLastOperationsFailureIsKeptWithItsReason)
{
    using PT = CSqlite3Dao::PT;
    EXPECT_EQ(dao_.lastError().code, SQLITE_OK);
    struct Case {
        const char *label;
        std::function<void()> operation;
        int code;
        const char *text;
    };
    const Case cases[] = {
        {"query of a missing table", [&] { dao_.queryToMapList(L"select * from no_such_table"); },
         SQLITE_ERROR, "no such table: no_such_table"},
        {"map query that does not parse", [&] { dao_.queryToMap(L"selec nothing"); }, SQLITE_ERROR,
         "near \"selec\": syntax error"},
        {"update of a missing table", [&] { dao_.updateByParams(L"update no_such_table set a=?", {1}); },
         SQLITE_ERROR, "no such table: no_such_table"},
        // The rollback after the failing row succeeds; the row's failure is what is told.
        {"batch with a repeated key",
         [&] {
             dao_.batchUpdateByParams(L"insert into numbers (id, label) values (?, ?)",
                                      {PT::Integer, PT::Text}, {{L"1", L"one"}, {L"1", L"again"}});
         },
         SQLITE_CONSTRAINT, "UNIQUE constraint failed: numbers.id"},
        {"batch of texts", [&] { dao_.batchUpdate({L"update no_such_table set a=1"}); }, SQLITE_ERROR,
         "no such table: no_such_table"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        c.operation();
        EXPECT_EQ(dao_.lastError().code, c.code);
        EXPECT_EQ(dao_.lastError().text, c.text);
        dao_.queryToMapList(L"select * from systeminfo where flag='none'");
        EXPECT_EQ(dao_.lastError().code, SQLITE_OK) << "a query without rows is no failure";
        EXPECT_EQ(dao_.lastError().text, "");
    }
}

TEST_F(Sqlite3DaoTest, AFailedOpenIsTheReasonOfEveryLaterOperation)
{
    TestDao other;
    const std::string missing = (folder_ / "missing.db").string();
    ASSERT_EQ(other.openDb(missing.c_str()), SQLITE_CANTOPEN);
    const std::string reason = "unable to open database file (No such file or directory)";
    EXPECT_EQ(other.lastError().text, reason);
    EXPECT_TRUE(other.queryToMapList(L"select 1").empty());
    EXPECT_EQ(other.lastError().code, SQLITE_CANTOPEN);
    EXPECT_EQ(other.lastError().text, reason);
    EXPECT_EQ(other.updateByParams(L"select 1", {}), 0);
    EXPECT_EQ(other.lastError().text, reason);
    // Never opened: the same, with a reason of its own.
    TestDao never;
    never.queryToMap(L"select 1, 2");
    EXPECT_EQ(never.lastError().code, SQLITE_MISUSE);
    EXPECT_EQ(never.lastError().text, "the database is not open");
    // A file that is not a database opens (SQLite reads lazily) and fails on the first read.
    const std::string text = (folder_ / "notes.txt").string();
    {
        std::FILE *file = std::fopen(text.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("these are notes, not a settings database, and long enough to be read as a header page\n",
                   file);
        std::fclose(file);
    }
    ASSERT_EQ(other.openDb(text.c_str()), SQLITE_OK);
    EXPECT_EQ(other.lastError().code, SQLITE_OK);
    EXPECT_TRUE(other.queryToMapList(L"select * from systeminfo").empty());
    EXPECT_EQ(other.lastError().code, SQLITE_NOTADB);
    EXPECT_EQ(other.lastError().text, "file is not a database");
}

TEST_F(Sqlite3DaoTest, CloseAndReopen)
{
    EXPECT_TRUE(dao_.isOpen());
    EXPECT_EQ(dao_.closeDb(), SQLITE_OK);
    EXPECT_FALSE(dao_.isOpen());
    EXPECT_TRUE(dao_.queryToMapList(L"select * from systeminfo").empty());
    ASSERT_EQ(dao_.openDb(path_.c_str()), SQLITE_OK);
    EXPECT_EQ(dao_.queryToMapList(L"select * from systeminfo").size(), 3u);
}

// A second connection's write waits for the first connection's transaction instead of failing.
TEST_F(Sqlite3DaoTest, AWriteWaitsForAnotherConnectionsTransaction)
{
    TestDao holder;
    ASSERT_EQ(holder.openDb(path_.c_str()), SQLITE_OK);
    std::mutex mutex;
    std::condition_variable changed;
    bool holding = false;

    std::thread worker([&] {
        holder.beginTransaction();
        holder.updateByParams(L"update systeminfo set parameterValue=? where parameterName=?",
                              {std::wstring(L"from worker"), std::wstring(L"host")});
        {
            std::lock_guard lock(mutex);
            holding = true;
        }
        changed.notify_one();
        // Keep the write lock a little while, well inside the busy timeout.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        holder.commitTransaction();
    });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return holding; });
    }
    const int written = dao_.updateByParams(L"update systeminfo set parameterValue=? where parameterName=?",
                                            {std::wstring(L"from main"), std::wstring(L"port")});
    using PT = CSqlite3Dao::PT;
    const int batched =
        dao_.batchUpdateByParams(L"update systeminfo set parameterValue=? where parameterName=?",
                                 {PT::Text, PT::Text}, {{L"batched", L"note"}});
    worker.join();
    holder.closeDb();

    EXPECT_EQ(written, 1);
    EXPECT_EQ(batched, 1);
    EXPECT_EQ(ValueOf(L"host"), L"from worker");
    EXPECT_EQ(ValueOf(L"port"), L"from main");
    EXPECT_EQ(ValueOf(L"note"), L"batched");
}

// Two threads sharing one object take turns; neither loses its writes.
TEST_F(Sqlite3DaoTest, OneObjectSharedByTwoThreadsKeepsEveryWrite)
{
    ASSERT_EQ(dao_.update(L"insert into numbers (id, amount) values (1, 0)"), SQLITE_OK);
    auto increment = [this] {
        for (int i = 0; i < 20; ++i) {
            dao_.updateByParams(L"update numbers set amount=amount+? where id=?", {1, 1});
        }
    };
    std::thread other(increment);
    increment();
    other.join();
    EXPECT_EQ(dao_.queryToMap(L"select id, cast(amount as integer) from numbers").at(L"1"), L"40");
}

} // namespace
} // namespace basekit
