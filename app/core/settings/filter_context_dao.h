/// \file
/// \brief The filter context's access object: condition panels, advertisements, dictionaries,
/// grid columns and prize levels of the settings database.
///
/// Each query answers rows keyed by the column names the database declares (or the statement's
/// aliases: "value", "text", "title"). Parameters named pattern-wise are matched with LIKE: the
/// access object wraps the given value in "%" itself, so an empty value matches every non-null
/// value, and rows whose column is NULL match through the statements' "is null" alternatives.
#pragma once

#include <string>

#include "basekit/sqlite3_dao.h"

namespace qel {

class CFilterContextDao : public basekit::CSqlite3Dao {
public:
    /// The game's panels: rows without parentId and with isUse 1, by id.
    basekit::MapList QueryComponentParents(const std::wstring &gameKey);
    /// The game's conditions: rows with a parentId and with isUse 1, by parentId, then sort.
    basekit::MapList QueryComponentChildren(const std::wstring &gameKey);
    /// Stores a condition's default of 保留/排除; the number of rows changed.
    int UpdateCalType(const std::wstring &calType, int id);
    /// Top-level advertisements of the lottery category and those of every category, by sort.
    basekit::MapList QueryAdvertisements(const std::wstring &lotteryCategory);
    /// Advertisements below a top-level one, by parentId, then sort.
    basekit::MapList QueryAdvertisementChildren(const std::wstring &lotteryCategory);
    /// Rows "value" (dictCode) and "text" (dictName) of a dictionary type, for the game and
    /// play type, by sort.
    basekit::MapList QueryComboboxData(const std::wstring &type, const std::wstring &gameKey,
                                       const std::wstring &castType);
    /// Level 1 columns of a grid for the flag and tab, by fieldId.
    basekit::MapList QueryTableColumns(int tableId, const std::wstring &flag, const std::wstring &tab);
    /// Level 2 columns of a grid whose parent column fits the flag and tab, by parentId, then sort.
    basekit::MapList QueryTableSubColumns(int tableId, const std::wstring &flag, const std::wstring &tab);
    /// Prize levels of the lottery category, by level.
    basekit::MapList QueryLotLevels(const std::wstring &lotteryCategory);
    /// Every advertisement of the lottery category.
    basekit::MapList QueryAdvertisementsByCategory(const std::wstring &lotteryCategory);
};

} // namespace qel
