#include "settings/filter_context_dao.h"

#include "settings/like_pattern.h"

namespace qel {
namespace {

using basekit::MapList;

const std::wstring kComponentColumns =
    L"SELECT id,moduleName,type,itemsNumber,randomMaxNum,ballPanelCss,titleCss,bgSuffixForXp,css,caltype,"
    L"options,optionBegin,add0IfLess10,quickSelect,moduleText,use,tabIndex,areaText,colNum,classification,"
    L"sort "
    L"from base_config base ";
const std::wstring kComponentChildColumns =
    L"SELECT "
    L"id,parentId,moduleName,type,itemsNumber,randomMaxNum,ballPanelCss,titleCss,bgSuffixForXp,css,caltype,"
    L"options,optionBegin,add0IfLess10,quickSelect,moduleText,use,tabIndex,areaText,colNum,classification,"
    L"sort "
    L"from base_config base ";
const std::wstring kAdvertisementCategory = L" where (t.realproductname =? or t.realproductname is null)";

} // namespace

MapList CFilterContextDao::QueryComponentParents(const std::wstring &gameKey)
{
    return queryToMapListByParams(
        kComponentColumns + L" where productname=? and parentId is null and isuse=1 order by id", {gameKey});
}

MapList CFilterContextDao::QueryComponentChildren(const std::wstring &gameKey)
{
    return queryToMapListByParams(
        kComponentChildColumns +
            L" where productname=? and parentId is not null and isuse=1 order by parentId,sort",
        {gameKey});
}

int CFilterContextDao::UpdateCalType(const std::wstring &calType, int id)
{
    return updateByParams(L"update base_config set caltype=? where id=?", {calType, id});
}

MapList CFilterContextDao::QueryAdvertisements(const std::wstring &lotteryCategory)
{
    return queryToMapListByParams(
        L"select id,t.name,t.advertisement,t.weburl,t.adUrl,t.flag,t.logo from advertisement t " +
            kAdvertisementCategory + L" and parentId is null order by sort",
        {lotteryCategory});
}

MapList CFilterContextDao::QueryAdvertisementChildren(const std::wstring &lotteryCategory)
{
    return queryToMapListByParams(
        L"select parentId,t.name,t.advertisement,t.weburl,t.adUrl,t.flag from advertisement t " +
            kAdvertisementCategory + L" and parentId is not null order by parentId,t.sort",
        {lotteryCategory});
}

MapList CFilterContextDao::QueryComboboxData(const std::wstring &type, const std::wstring &gameKey,
                                             const std::wstring &castType)
{
    return queryToMapListByParams(
        L"select dictcode value,dictname text from dict t where t.type=? and (t.productname like ?"
        L" or t.productName is null)  and (t.casttype is null or t.casttype like ?) order by sort",
        {type, ContainsPattern(gameKey), ContainsPattern(castType)});
}

MapList CFilterContextDao::QueryTableColumns(int tableId, const std::wstring &flag, const std::wstring &tab)
{
    return queryToMapListByParams(L"select fieldId,field,(case when titleprex is not null then "
                                  L"titleprex||title else title end) title,width,align,"
                                  L"col.sort,parentId,rowspan,colspan,className,style,fixed from "
                                  L"table_column col left join all_table t on "
                                  L"col.tableId=t.tableId"
                                  L" where t.tableId=?"
                                  L" and (col.flag like ? or col.flag is null) "
                                  L" and (col.tab like ? or col.tab is null) "
                                  L" and col.level=1 order by col.fieldId",
                                  {tableId, ContainsPattern(flag), ContainsPattern(tab)});
}

MapList CFilterContextDao::QueryTableSubColumns(int tableId, const std::wstring &flag,
                                                const std::wstring &tab)
{
    return queryToMapListByParams(
        L"select col.fieldId,col.field,(case when col.titleprex is not null then col.titleprex||col.title "
        L"else col.title "
        L"end) "
        L"title,col.width,col.align,col.sort,col.parentId,col.rowspan,col.colspan,col.className,col.style,"
        L"col.fixed "
        L"from table_column col "
        L" left join table_column p on col.parentid=p.fieldid left join all_table t on col.tableId=t.tableId"
        L" where t.tableId=?"
        L" and (p.flag like ? or p.flag is null) "
        L" and (p.tab like ? or p.tab is null) "
        L" and (col.tab like ? or col.tab is null)"
        L" and col.level=2 order by col.parentId,col.sort",
        {tableId, ContainsPattern(flag), ContainsPattern(tab), ContainsPattern(tab)});
}

MapList CFilterContextDao::QueryLotLevels(const std::wstring &lotteryCategory)
{
    return queryToMapListByParams(L"select * from lotlevel where lotterycategory=? order by lotlevel",
                                  {lotteryCategory});
}

MapList CFilterContextDao::QueryAdvertisementsByCategory(const std::wstring &lotteryCategory)
{
    return queryToMapListByParams(L"select * from advertisement where realproductname=?", {lotteryCategory});
}

} // namespace qel
