/// \file
/// \brief The base of the program's access objects for its SQLite settings database.
///
/// One object owns one connection. Statement texts are wide text, converted to UTF-8 for SQLite;
/// every value reaches a statement through a bound parameter, never pasted into its text. Result
/// rows are keyed by the column names as the statement's result declares them (the declared
/// column name for a plain column reference, the alias where the statement gives one); a NULL
/// value reads as "". Nothing here throws or reports: a statement that does not prepare gives an
/// empty result or a change count of 0, and lastError() tells why, so that a caller can tell
/// "no rows" from "the database could not be read" and say what went wrong.
///
/// Several connections may use one database file (each window holds two, and a worker thread
/// may write through one of them): every connection waits up to kBusyTimeoutMs for a lock held
/// by another connection instead of failing at once, and the operations of one object are
/// serialised by a lock of its own, so two threads sharing an object never interleave their
/// statements (a batch runs as a whole).
#pragma once

#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "basekit/basekit_export.h"
#include "basekit/row_types.h"

struct sqlite3;

namespace basekit {

/// One value bound to a placeholder: none (NULL), an integer, a real or a text.
using SqlValue = std::variant<std::monostate, int, double, std::wstring>;
/// The values of one execution, in placeholder order (value i binds to placeholder i + 1).
using SqlParams = std::vector<SqlValue>;
/// Rows as hash maps from column name to value.
using UnorderedTextMap = std::unordered_map<std::wstring, std::wstring>;

/// Why an operation failed: SQLite's result code and its text (UTF-8), with the system's
/// reason ("Permission denied") where the failure came from the file system. Code 0: no
/// failure.
struct SqlError {
    int code = 0;
    std::string text;
};

class BASEKIT_EXPORT CSqlite3Dao {
public:
    /// How one column of ParamRows is bound by batchUpdateByParams.
    enum class PT {
        Integer = 0, ///< the text read as a decimal integer
        Text = 1,    ///< the text as it is
        Real = 2,    ///< the text read as a decimal real
        Null = 3,    ///< NULL; the text is not read
    };

    /// How long a statement waits for another connection's lock before it gives up.
    static constexpr int kBusyTimeoutMs = 5000;

    CSqlite3Dao();
    /// Closes the connection when it is still open.
    virtual ~CSqlite3Dao();
    // One connection has one owner: copies would close it twice or use it after the close.
    CSqlite3Dao(const CSqlite3Dao &) = delete;
    CSqlite3Dao &operator=(const CSqlite3Dao &) = delete;

    /// Opens the existing database file at path (UTF-8) for reading and writing; a connection
    /// already open is closed first. A missing file is not created: the database comes with its
    /// tables, and an empty one made in its place would only hide the fault. Returns the SQLite
    /// result code (0 on success); on failure the object stays without a connection.
    int openDb(const char *path);
    /// Closes the connection; 0 also when none was open.
    int closeDb();
    bool isOpen() const;
    /// The first failure of the last operation (open, query, update, batch); code 0 when it
    /// succeeded. Without a connection every operation fails with the reason the open failed.
    SqlError lastError() const;

protected:
    /// One RowMap per result row, in the statement's order; a repeated column name keeps its
    /// first value.
    MapList queryToMapList(const std::wstring &sql);
    MapList queryToMapListByParams(const std::wstring &sql, const SqlParams &params);
    std::list<UnorderedTextMap> queryToUnOrderedMapList(const std::wstring &sql);
    /// Column 0 to column 1 of every row; a repeated key keeps its first value, later columns
    /// are ignored, a missing second column reads as "".
    TextMap queryToMap(const std::wstring &sql);
    TextMap queryToMapByParams(const std::wstring &sql, const SqlParams &params);

    /// Runs the statement text (it may hold several statements); the SQLite result code.
    int update(const std::wstring &sql);
    /// The number of rows the statement changed when it completed, else 0.
    int updateByParams(const std::wstring &sql, const SqlParams &params);
    /// Runs the statements in one transaction ("BEGIN;" ... "COMMIT;"). The first statement that
    /// fails rolls the whole transaction back and its result code is returned; otherwise the
    /// result code of the commit (0).
    int batchUpdate(const std::list<std::wstring> &statements);
    /// Runs the prepared statement once per row, in one transaction, binding entry i of a row
    /// by types[i] (a row shorter than types binds NULL for the rest). Returns the sum of the
    /// changed rows. All or nothing: when a row's execution or the commit fails, the transaction
    /// is rolled back and 0 is returned, so no part of a batch is ever kept on its own.
    int batchUpdateByParams(const std::wstring &sql, const std::vector<PT> &types, const ParamRows &rows);

    int beginTransaction();
    int commitTransaction();
    int rollbackTransaction();

private:
    struct Closer {
        void operator()(sqlite3 *db) const;
    };
    class Statement;

    // Every public operation starts with BeginOperation and records its first failure.
    void BeginOperation();
    void NoteFailure(int rc);
    int ExecLocked(const char *sql);
    MapList QueryLocked(const std::wstring &sql, const SqlParams &params);
    TextMap QueryMapLocked(const std::wstring &sql, const SqlParams &params);

    std::unique_ptr<sqlite3, Closer> db_;
    SqlError openError_;
    SqlError lastError_;
    mutable std::recursive_mutex mutex_;
};

} // namespace basekit
