#include "settings/system_dao.h"

#include "settings/like_pattern.h"

namespace qel {
namespace {

using basekit::MapList;
using basekit::TextMap;
using PT = basekit::CSqlite3Dao::PT;

// Tool rows are the delivered database's own: no request (the configuration update of the data
// service among them) may turn one into a program of its choosing.
const std::wstring kUpdateParameter =
    L"update systeminfo set parametervalue=? where parametername=? and flag is not 'tool'";
const std::wstring kAreaColumns =
    L"select child.dictcode,child.dictname text,child.parentcode,child.sort from dict child"
    L" left join dict parent on child.parentcode=parent.dictcode";

} // namespace

int CSystemDao::UpdateProductState(int id, int isUse)
{
    return updateByParams(L"update products set isuse=? where id=?", {isUse, id});
}

MapList CSystemDao::QueryCurrentProduct()
{
    return queryToMapList(
        L"select lotteryCategory,productname,productcnname,area,version,flag,category from products "
        L" where productName=(select parametervalue from systeminfo where parametername='currentProduct')"
        L" and area=(select parametervalue from systeminfo where parametername='currentArea')"
        L" and flag=(select parametervalue from systeminfo where parametername='currentFlag')");
}

TextMap CSystemDao::QueryDictForProduct(const std::wstring &gameKey)
{
    return queryToMapByParams(
        L"select dictcode,dictname from dict t "
        L" where t.isuse=1 and t.type not like '%Select' and (productName like ? or productName is null)",
        {ContainsPattern(gameKey)});
}

TextMap CSystemDao::QuerySystemParams(const std::wstring &gameKey)
{
    return queryToMapByParams(
        L"select parametername,parametervalue from systeminfo where flag='sys' or parametername=?",
        {gameKey});
}

MapList CSystemDao::QueryIndexExplanations(const std::wstring &gameKey, const std::wstring &castType)
{
    return queryToMapListByParams(
        L"select moduleName,moduleText,explanation,example,t1.remarks from base_config t1 "
        L" where t1.productname=? "
        L" and (t1.classification is null or t1.classification like ?)"
        L" and isuse=1 order by tabIndex,parentid,sort",
        {gameKey, ContainsPattern(castType)});
}

MapList CSystemDao::QueryPluginList()
{
    return queryToMapList(
        L"select id,pluginName,version,releaseDate,flag,isUse from products where abled=1 order by sort");
}

int CSystemDao::SaveParameters(const std::vector<SettingPair> &pairs)
{
    basekit::ParamRows rows;
    for (const auto &[name, value] : pairs) {
        rows.push_back({value, name});
    }
    return batchUpdateByParams(kUpdateParameter, {PT::Text, PT::Text}, rows);
}

std::vector<std::wstring> CSystemDao::QueryTools()
{
    std::vector<std::wstring> tools;
    for (const auto &row : queryToMapList(L"select parametervalue tool from systeminfo where flag='tool'")) {
        auto value = row.find(L"tool");
        if (value != row.end() && !value->second.text.empty()) {
            tools.push_back(value->second.text);
        }
    }
    return tools;
}

MapList CSystemDao::QueryTip(int id)
{
    return queryToMapListByParams(L"select explanation,example,remarks from base_config where id=?", {id});
}

int CSystemDao::UpdateAdvertisement(int id, const std::wstring &name, const std::wstring &advertisement,
                                    const std::wstring &adUrl, const std::wstring &webUrl,
                                    const std::wstring &flag, int sort)
{
    return updateByParams(
        L"update advertisement set name=?,advertisement=?,adUrl=?,webUrl=?,flag=?,sort=? where id=?",
        {name, advertisement, adUrl, webUrl, flag, sort, id});
}

MapList CSystemDao::QueryTopAreas()
{
    return queryToMapList(
        L"select dictcode,dictname text from dict where type='lotArea' and level=1 order by dictcode");
}

MapList CSystemDao::QuerySubAreas()
{
    return queryToMapList(
        kAreaColumns +
        L" where child.type='lotArea' and child.level=2 order by child.dictcode,parent.dictcode");
}

MapList CSystemDao::QueryLeafAreas()
{
    return queryToMapList(kAreaColumns +
                          L" where child.type='lotArea' and child.level=3 order by child.dictcode");
}

MapList CSystemDao::QueryEnabledProducts()
{
    // Products of one area keep their display order.
    return queryToMapList(
        L"select p.productName,p.productCnName,p.version,p.area,isHot,sort,abled,flag from products p "
        L"where p.isuse=1 order by area,sort");
}

int CSystemDao::StoreUserCredentials(const std::wstring &phone, const std::wstring &email,
                                     const std::wstring &pswd)
{
    return SaveParameters({{L"phone", phone}, {L"email", email}, {L"pswd", pswd}});
}

int CSystemDao::UpdateSystemParam(const std::wstring &name, const std::wstring &value)
{
    return updateByParams(kUpdateParameter, {value, name});
}

int CSystemDao::CountStart()
{
    return update(L"update systeminfo set parametervalue=parametervalue+1 where parametername='switchTimes'");
}

bool CSystemDao::CheckReadable()
{
    // Run as a plain statement: its result code tells a failure from a database without rows.
    return update(L"select parametervalue from systeminfo where parametername='key'") == 0;
}

} // namespace qel
