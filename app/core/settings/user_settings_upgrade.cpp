#include "settings/user_settings_upgrade.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <sqlite3.h>
#include <unistd.h>

#include "settings/user_settings_copy.h"

namespace qel {
namespace {

struct CloseDatabase {
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

Database Open(const std::string &path, int flags)
{
    sqlite3 *raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    Database db(raw);
    return rc == SQLITE_OK ? std::move(db) : Database();
}

// What the user set lives in these columns; the rest of the old copy is the old release's data.
// A row is matched by what names it, so renumbered rows of a new release still match.
constexpr const char *kCarryOver = R"sql(
UPDATE main.systeminfo
   SET parameterValue = (SELECT o.parameterValue FROM old.systeminfo o
                          WHERE o.parameterName = systeminfo.parameterName)
 WHERE parameterName NOT IN ('key', 'mainProVersion')
   AND parameterName IN (SELECT parameterName FROM old.systeminfo);
INSERT INTO main.systeminfo (parameterName, parameterValue, flag)
SELECT parameterName, parameterValue, flag FROM old.systeminfo
 WHERE parameterName NOT IN (SELECT parameterName FROM main.systeminfo);
UPDATE main.products
   SET isUse = (SELECT o.isUse FROM old.products o WHERE o.productName = products.productName)
 WHERE productName IN (SELECT productName FROM old.products);
UPDATE main.base_config
   SET calType = (SELECT o.calType FROM old.base_config o
                   WHERE o.id = base_config.id AND o.productName = base_config.productName
                     AND o.moduleName = base_config.moduleName)
 WHERE EXISTS (SELECT 1 FROM old.base_config o
                WHERE o.id = base_config.id AND o.productName = base_config.productName
                  AND o.moduleName = base_config.moduleName);
)sql";

// Runs the carry-over on the fresh copy at target with the old copy attached, in one transaction.
bool CarryOver(const std::string &target, const std::string &old, std::string &problem)
{
    Database db = Open(target, SQLITE_OPEN_READWRITE);
    if (!db) {
        problem = "cannot open the new settings database " + target;
        return false;
    }
    sqlite3_stmt *attach = nullptr;
    bool attached =
        sqlite3_prepare_v2(db.get(), "ATTACH DATABASE ? AS old", -1, &attach, nullptr) == SQLITE_OK &&
        sqlite3_bind_text(attach, 1, old.c_str(), -1, SQLITE_TRANSIENT) == SQLITE_OK &&
        sqlite3_step(attach) == SQLITE_DONE;
    sqlite3_finalize(attach);
    const std::string script = std::string("BEGIN;") + kCarryOver + "COMMIT;";
    if (!attached || sqlite3_exec(db.get(), script.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        problem = "cannot carry the settings of " + old + " over: " + sqlite3_errmsg(db.get());
        return false;
    }
    return true;
}

} // namespace

int SettingsDatabaseGeneration(const std::string &database)
{
    Database db = Open(database, SQLITE_OPEN_READONLY);
    sqlite3_stmt *statement = nullptr;
    int generation = -1;
    if (db && sqlite3_prepare_v2(db.get(), "PRAGMA user_version", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        generation = sqlite3_column_int(statement, 0);
    }
    sqlite3_finalize(statement);
    return generation;
}

bool UpgradeUserSettingsCopy(const std::string &seed, const std::string &copy, std::string &problem)
{
    const int installed = SettingsDatabaseGeneration(seed);
    const int own = SettingsDatabaseGeneration(copy);
    if (installed < 0 || own < 0 || own >= installed) {
        return true;
    }
    std::string scratch;
    if (!CopyToScratchFile(seed, copy, scratch, problem)) {
        return false;
    }
    // The old copy stays as it was until the new one is whole and in place.
    const std::string kept = copy + "." + std::to_string(own) + ".bak";
    unlink(kept.c_str());
    if (!CarryOver(scratch, copy, problem)) {
        unlink(scratch.c_str());
        return false;
    }
    if (link(copy.c_str(), kept.c_str()) != 0 || rename(scratch.c_str(), copy.c_str()) != 0) {
        problem = "cannot replace the settings database " + copy + ": " + std::strerror(errno);
        unlink(scratch.c_str());
        return false;
    }
    return true;
}

} // namespace qel
