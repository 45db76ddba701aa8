#include "basekit/sqlite3_dao.h"

#include <system_error>

#include <sqlite3.h>

#include "basekit/debug.h"
#include "basekit/number_text.h"
#include "basekit/text_convert.h"

namespace basekit {

void CSqlite3Dao::Closer::operator()(sqlite3 *db) const
{
    // sqlite3_close_v2 defers the close until every statement is finalised, so a leftover
    // statement can never keep the handle alive unnoticed.
    sqlite3_close_v2(db);
}

// A prepared statement that finalises itself. A text that does not prepare leaves no
// statement, and every step then reports that nothing ran.
class CSqlite3Dao::Statement {
public:
    Statement(sqlite3 *db, const std::wstring &sql)
    {
        if (db == nullptr) {
            return;
        }
        const std::string utf8 = UnicodeToUTF8Chars(sql);
        prepared_ = sqlite3_prepare_v2(db, utf8.c_str(), -1, &stmt_, nullptr);
        if (prepared_ != SQLITE_OK) {
            Debug(sqlite3_errmsg(db), L"sqlite prepare");
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool Valid() const { return stmt_ != nullptr; }
    sqlite3_stmt *Get() const { return stmt_; }

    void Bind(const SqlParams &params)
    {
        for (size_t i = 0; i < params.size(); ++i) {
            BindValue(static_cast<int>(i) + 1, params[i]);
        }
    }

    void BindValue(int index, const SqlValue &value)
    {
        if (stmt_ == nullptr) {
            return;
        }
        if (const int *integer = std::get_if<int>(&value)) {
            sqlite3_bind_int(stmt_, index, *integer);
        } else if (const double *real = std::get_if<double>(&value)) {
            sqlite3_bind_double(stmt_, index, *real);
        } else if (const std::wstring *text = std::get_if<std::wstring>(&value)) {
            const std::string utf8 = UnicodeToUTF8Chars(*text);
            sqlite3_bind_text(stmt_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(stmt_, index);
        }
    }

    /// The result code of one step; the prepare's code when there is no statement.
    int Step() { return stmt_ == nullptr ? prepared_ : sqlite3_step(stmt_); }

    void Reset()
    {
        if (stmt_ != nullptr) {
            sqlite3_reset(stmt_);
            sqlite3_clear_bindings(stmt_);
        }
    }

    int ColumnCount() const { return stmt_ == nullptr ? 0 : sqlite3_column_count(stmt_); }

    std::wstring ColumnName(int column) const
    {
        const char *name = sqlite3_column_name(stmt_, column);
        return name == nullptr ? std::wstring() : CStrA2CStrW(name);
    }

    std::wstring ColumnText(int column) const
    {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
        if (text == nullptr) {
            return {}; // NULL
        }
        return UTF8ToUnicode(
            std::string_view(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))));
    }

private:
    sqlite3_stmt *stmt_ = nullptr;
    int prepared_ = SQLITE_MISUSE; // no connection: nothing was prepared
};

namespace {

SqlValue ValueOf(CSqlite3Dao::PT type, const std::wstring &text)
{
    switch (type) {
    case CSqlite3Dao::PT::Integer:
        return StrToIntW(text);
    case CSqlite3Dao::PT::Text:
        return text;
    case CSqlite3Dao::PT::Real:
        return StrToDouble(text);
    case CSqlite3Dao::PT::Null:
        break;
    }
    return std::monostate{};
}

// Failures where the file system said no: the system's own reason names what the user can fix.
bool IsFileFailure(int rc)
{
    switch (rc & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_FULL:
        return true;
    default:
        return false;
    }
}

SqlError Describe(sqlite3 *db, int rc)
{
    SqlError error{rc, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc)};
    const int systemError = db != nullptr ? sqlite3_system_errno(db) : 0;
    if (systemError != 0 && IsFileFailure(rc)) {
        error.text += " (" + std::error_code(systemError, std::generic_category()).message() + ")";
    }
    return error;
}

} // namespace

CSqlite3Dao::CSqlite3Dao() = default;

CSqlite3Dao::~CSqlite3Dao() = default;

int CSqlite3Dao::openDb(const char *path)
{
    std::lock_guard lock(mutex_);
    db_.reset();
    sqlite3 *raw = nullptr;
    const int rc = sqlite3_open_v2(path == nullptr ? "" : path, &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<sqlite3, Closer> db(raw); // a failed open still hands out a handle to close
    if (rc != SQLITE_OK) {
        Debug(rc, L"sqlite open");
        openError_ = Describe(raw, rc);
        lastError_ = openError_;
        return rc;
    }
    sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
    db_ = std::move(db);
    openError_ = {};
    lastError_ = {};
    return SQLITE_OK;
}

int CSqlite3Dao::closeDb()
{
    std::lock_guard lock(mutex_);
    if (!db_) {
        return SQLITE_OK;
    }
    const int rc = sqlite3_close(db_.get());
    if (rc == SQLITE_OK) {
        (void)db_.release();
    } else {
        db_.reset(); // statements still open: close as soon as they are finalised
    }
    return rc;
}

bool CSqlite3Dao::isOpen() const
{
    std::lock_guard lock(mutex_);
    return db_ != nullptr;
}

SqlError CSqlite3Dao::lastError() const
{
    std::lock_guard lock(mutex_);
    return lastError_;
}

void CSqlite3Dao::BeginOperation()
{
    if (db_) {
        lastError_ = {};
    } else if (openError_.code != SQLITE_OK) {
        lastError_ = openError_;
    } else {
        lastError_ = {SQLITE_MISUSE, "the database is not open"};
    }
}

void CSqlite3Dao::NoteFailure(int rc)
{
    // The first failure is the cause; a rollback after it must not hide it.
    if (lastError_.code == SQLITE_OK) {
        lastError_ = Describe(db_.get(), rc);
    }
}

MapList CSqlite3Dao::QueryLocked(const std::wstring &sql, const SqlParams &params)
{
    MapList rows;
    Statement statement(db_.get(), sql);
    statement.Bind(params);
    int rc = SQLITE_OK;
    while ((rc = statement.Step()) == SQLITE_ROW) {
        RowMap row;
        for (int column = 0; column < statement.ColumnCount(); ++column) {
            row.emplace(statement.ColumnName(column), statement.ColumnText(column));
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        NoteFailure(rc);
    }
    return rows;
}

TextMap CSqlite3Dao::QueryMapLocked(const std::wstring &sql, const SqlParams &params)
{
    TextMap map;
    Statement statement(db_.get(), sql);
    statement.Bind(params);
    int rc = SQLITE_OK;
    while ((rc = statement.Step()) == SQLITE_ROW) {
        if (statement.ColumnCount() == 0) {
            continue;
        }
        std::wstring value = statement.ColumnCount() > 1 ? statement.ColumnText(1) : std::wstring();
        map.emplace(statement.ColumnText(0), std::move(value));
    }
    if (rc != SQLITE_DONE) {
        NoteFailure(rc);
    }
    return map;
}

MapList CSqlite3Dao::queryToMapList(const std::wstring &sql)
{
    return queryToMapListByParams(sql, {});
}

MapList CSqlite3Dao::queryToMapListByParams(const std::wstring &sql, const SqlParams &params)
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    return QueryLocked(sql, params);
}

std::list<UnorderedTextMap> CSqlite3Dao::queryToUnOrderedMapList(const std::wstring &sql)
{
    std::list<UnorderedTextMap> rows;
    for (const RowMap &row : queryToMapList(sql)) {
        UnorderedTextMap copy;
        for (const auto &[name, value] : row) {
            copy.emplace(name, value.text);
        }
        rows.push_back(std::move(copy));
    }
    return rows;
}

TextMap CSqlite3Dao::queryToMap(const std::wstring &sql)
{
    return queryToMapByParams(sql, {});
}

TextMap CSqlite3Dao::queryToMapByParams(const std::wstring &sql, const SqlParams &params)
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    return QueryMapLocked(sql, params);
}

int CSqlite3Dao::ExecLocked(const char *sql)
{
    if (!db_) {
        return SQLITE_MISUSE;
    }
    char *message = nullptr;
    const int rc = sqlite3_exec(db_.get(), sql, nullptr, nullptr, &message);
    if (message != nullptr) {
        Debug(message, L"sqlite exec");
        sqlite3_free(message);
    }
    if (rc != SQLITE_OK) {
        NoteFailure(rc);
    }
    return rc;
}

int CSqlite3Dao::update(const std::wstring &sql)
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    return ExecLocked(UnicodeToUTF8Chars(sql).c_str());
}

int CSqlite3Dao::updateByParams(const std::wstring &sql, const SqlParams &params)
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    Statement statement(db_.get(), sql);
    statement.Bind(params);
    const int rc = statement.Step();
    if (rc != SQLITE_DONE) {
        NoteFailure(rc);
        return 0;
    }
    return sqlite3_changes(db_.get());
}

int CSqlite3Dao::batchUpdate(const std::list<std::wstring> &statements)
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    int rc = ExecLocked("BEGIN;");
    if (rc != SQLITE_OK) {
        return rc;
    }
    for (const std::wstring &sql : statements) {
        rc = ExecLocked(UnicodeToUTF8Chars(sql).c_str());
        if (rc != SQLITE_OK) {
            ExecLocked("ROLLBACK;");
            return rc;
        }
    }
    rc = ExecLocked("COMMIT;");
    if (rc != SQLITE_OK) {
        ExecLocked("ROLLBACK;");
    }
    return rc;
}

int CSqlite3Dao::batchUpdateByParams(const std::wstring &sql, const std::vector<PT> &types,
                                     const ParamRows &rows)
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    if (ExecLocked("BEGIN;") != SQLITE_OK) {
        return 0;
    }
    Statement statement(db_.get(), sql);
    bool failed = !statement.Valid();
    if (failed) {
        NoteFailure(statement.Step());
    }
    int changed = 0;
    for (auto row = rows.begin(); !failed && row != rows.end(); ++row) {
        for (size_t i = 0; i < types.size(); ++i) {
            const SqlValue value = i < row->size() ? ValueOf(types[i], (*row)[i]) : SqlValue{};
            statement.BindValue(static_cast<int>(i) + 1, value);
        }
        const int rc = statement.Step();
        if (rc == SQLITE_DONE) {
            changed += sqlite3_changes(db_.get());
        } else {
            NoteFailure(rc);
            failed = true;
        }
        statement.Reset();
    }
    if (!failed && ExecLocked("COMMIT;") == SQLITE_OK) {
        return changed;
    }
    ExecLocked("ROLLBACK;");
    return 0;
}

int CSqlite3Dao::beginTransaction()
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    return ExecLocked("BEGIN;");
}

int CSqlite3Dao::commitTransaction()
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    return ExecLocked("COMMIT;");
}

int CSqlite3Dao::rollbackTransaction()
{
    std::lock_guard lock(mutex_);
    BeginOperation();
    return ExecLocked("ROLLBACK;");
}

} // namespace basekit
