/// \file
/// \brief The settings service's access object: settings, products, the area tree, tips and
/// explanations of the settings database.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "basekit/sqlite3_dao.h"

namespace qel {

/// (name, value) of one systeminfo setting.
using SettingPair = std::pair<std::wstring, std::wstring>;

class CSystemDao : public basekit::CSqlite3Dao {
public:
    /// Switches a product on (1) or off (0); the number of rows changed.
    int UpdateProductState(int id, int isUse);
    /// The products row of the current game (systeminfo "currentProduct", "currentArea",
    /// "currentFlag"): lotteryCategory, productName, productCnName, area, version, flag,
    /// category. No row when the three settings name no product.
    basekit::MapList QueryCurrentProduct();
    /// dictCode to dictName of every dictionary row in use that belongs to the game (or to all
    /// games), quick-select lists ("...Select" types) left out.
    basekit::TextMap QueryDictForProduct(const std::wstring &gameKey);
    /// Name to value of every systeminfo row with flag 'sys', and of the row named gameKey.
    basekit::TextMap QuerySystemParams(const std::wstring &gameKey);
    /// moduleName, moduleText, explanation, example, remarks of the game's conditions and
    /// panels for the play type (rows without classification belong to every play type), in
    /// tab, panel and display order.
    basekit::MapList QueryIndexExplanations(const std::wstring &gameKey, const std::wstring &castType);
    /// id, pluginName, version, releaseDate, flag, isUse of every product with a plug-in
    /// (abled 1), by sort.
    basekit::MapList QueryPluginList();
    /// The values of the systeminfo rows with flag 'tool': the local programs and files that the
    /// desktop's "open" may be handed.
    std::vector<std::wstring> QueryTools();
    /// Stores every (name, value) pair in one transaction; the number of rows changed (0 when
    /// the transaction failed: then nothing is stored). Tool rows are never changed.
    int SaveParameters(const std::vector<SettingPair> &pairs);
    /// explanation, example, remarks of one base_config row.
    basekit::MapList QueryTip(int id);
    /// Changes one advertisement; the number of rows changed.
    int UpdateAdvertisement(int id, const std::wstring &name, const std::wstring &advertisement,
                            const std::wstring &adUrl, const std::wstring &webUrl, const std::wstring &flag,
                            int sort);
    /// Areas of the "lotArea" tree: level 1 (dictCode, text) by dictCode; level 2 and level 3
    /// (dictCode, text, parentCode, sort) by dictCode.
    basekit::MapList QueryTopAreas();
    basekit::MapList QuerySubAreas();
    basekit::MapList QueryLeafAreas();
    /// productName, productCnName, version, area, isHot, sort, abled, flag of every product in
    /// use, by area, then sort.
    basekit::MapList QueryEnabledProducts();
    /// Stores the (already scrambled) credentials "phone", "email", "pswd" in one transaction.
    int StoreUserCredentials(const std::wstring &phone, const std::wstring &email, const std::wstring &pswd);
    /// Stores one setting (not a tool row); the number of rows changed.
    int UpdateSystemParam(const std::wstring &name, const std::wstring &value);
    /// Raises the start counter "switchTimes" by one; the SQLite result code.
    int CountStart();
    /// Whether the settings can be read at all (a file that opens need not be a database, and
    /// SQLite reads it only when asked); lastError() tells why not.
    bool CheckReadable();
};

} // namespace qel
