#include "handlers/result_handlers.h"

#include <algorithm>
#include <climits>

#include "basekit/json_util.h"
#include "basekit/string_split.h"
#include "basekit/text_convert.h"
#include "files/user_files.h"
#include "filter/filter_criteria.h"
#include "handlers/save_text.h"

namespace qel {
namespace {

using basekit::JsonUtil;

constexpr std::size_t kMaxLuckyNumberBytes = 1048575;
// Far above what the largest list a page accepts takes on disk (10000 rows of a seven-number
// bet with blanks), so that only files no list fits in are refused unread.
constexpr std::size_t kMaxOldNumberFileBytes = std::size_t{1} << 20;
constexpr wchar_t kBadFile[] = L"文件不存在或文件格式不正确或已损坏！";
// Page sizes beyond any grid's choice are cut to this, so that page arithmetic stays small.
constexpr int kMaxPageSize = 1000000;

// An empty result page: the window has no game bound, or no run yet.
std::wstring EmptyPage(const std::wstring &listFlag)
{
    std::wstring page = L"{size:\"0\",items:[],total:0";
    if (listFlag == L"1") {
        return page + L"}";
    }
    return page + L",primaryTotal:0,afterFilterLen:0,cutDownRate:\"0.00%\"}";
}

std::wstring Page(CFilterContext &filter, const std::wstring &listFlag, int pageSize, int pageNum)
{
    calculation::AbstractFilterChain *chain = filter.chain();
    return chain ? chain->GetDataByPage(listFlag, pageSize, pageNum, 1) : EmptyPage(listFlag);
}

using basekit::ReplaceAll;

// A page's size and number as a request gives them: page sizes and numbers below 1 count as 1.
int PageSize(const Json::Value &request, int fallback)
{
    return JsonUtil::GetIntInRange(request, "pageSize", fallback, 1, kMaxPageSize);
}

int PageNumber(const Json::Value &request, const char *key)
{
    return JsonUtil::GetIntInRange(request, key, 1, 1, INT_MAX);
}

std::wstring SaveText(WindowSystem &windows, FileKind kind, const std::wstring &text,
                      const std::wstring &cancelFlag)
{
    return SaveReply(SaveTextToChosenFile(windows, kind, {}, text), cancelFlag);
}

} // namespace

std::wstring OnGetResultByPage(CFilterContext &filter, const Json::Value &request)
{
    std::wstring type = JsonUtil::GetString(request, "type");
    std::wstring listFlag = type.empty() || type == L"all" ? L"0" : L"1";
    return Page(filter, listFlag, PageSize(request, 100), PageNumber(request, "pageNum"));
}

std::wstring OnSearchResult(CFilterContext &filter, const Json::Value &request)
{
    if (calculation::AbstractFilterChain *chain = filter.chain()) {
        chain->SearchResult(JsonUtil::GetString(request, "type"));
    }
    return Page(filter, L"1", 100, 1);
}

std::wstring OnDeleteRows(CFilterContext &filter, const Json::Value &request)
{
    std::wstring listFlag = JsonUtil::GetString(request, "type");
    // Row numbers count from 1; 0 and below delete nothing.
    const int rowNumber = JsonUtil::GetIntInRange(request, "rowNumber", 0, 0, INT_MAX);
    if (calculation::AbstractFilterChain *chain = filter.chain()) {
        chain->DeleteRows(listFlag, rowNumber - 1);
    }
    return Page(filter, listFlag, PageSize(request, 100), PageNumber(request, "pageNumber"));
}

std::wstring OnAddRow(CFilterContext &filter, const Json::Value &request)
{
    calculation::AbstractFilterChain *chain = filter.chain();
    if (!chain) {
        return JsonUtil::Msg(L"error", L"请先选择彩种！");
    }
    switch (chain->CheckRowText(JsonUtil::GetString(request, "row"))) {
    case calculation::RowCheck::Ok:
        break;
    case calculation::RowCheck::WrongCount:
        return JsonUtil::Msg(L"error", L"号码个数不正确！");
    case calculation::RowCheck::NotOfGame:
        return JsonUtil::Msg(L"error", L"号码超出本彩种的号码范围！");
    case calculation::RowCheck::Repeated:
        return JsonUtil::Msg(L"error", L"同一区内的号码不能重复！");
    }
    chain->AddRow(JsonUtil::GetString(request, "row"));
    return Page(filter, L"0", 100, 1);
}

std::wstring OnDeleteAll(CFilterContext &filter, const Json::Value & /*request*/)
{
    if (calculation::AbstractFilterChain *chain = filter.chain()) {
        filter.PrepareToReplaceRun();
        chain->DeleteAll();
    }
    filter.MarkFirstRun();
    return Page(filter, L"0", 0, 0);
}

std::wstring OnGetDetailedData(CFilterContext &filter, const Json::Value &request)
{
    calculation::AbstractFilterChain *chain = filter.chain();
    if (!chain) {
        return JsonUtil::Msg(L"error", L"请先选择彩种！");
    }
    // The tables read only the draws the window cached; the clean-up worker never touches them.
    return chain->GetDetailedData(JsonUtil::GetString(request, "productName"),
                                  JsonUtil::GetString(request, "tab"));
}

std::wstring OnSaveResult(CFilterContext &filter, WindowSystem &windows, const Json::Value &request)
{
    calculation::AbstractFilterChain *chain = filter.chain();
    std::wstring format = JsonUtil::GetString(request, "lotFormat");
    std::wstring separator = format == L"format1" ? L" " : L",";
    std::wstring areaSeparator = format == L"format0" ? L"+" : L":";
    std::wstring text =
        chain ? chain->GetResultStr(JsonUtil::GetString(request, "flag"), separator, areaSeparator, 1, 1)
              : L"";
    if (text.empty() || text == L"error_NULL") {
        return JsonUtil::Msg(L"no_data", L"没有数据可保存！");
    }
    if (text == L"error_100000") {
        return JsonUtil::Msg(L"error_100000", L"最大可保存100000注！");
    }
    return SaveText(windows, FileKind::Text, text, L"error");
}

namespace {

// Row ends of an old-number file: CR LF, LF and CR, each one separator.
std::size_t CountLineEnds(const std::wstring &text)
{
    std::size_t ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' || (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n'))) {
            ++ends;
        }
    }
    return ends;
}

} // namespace

std::wstring OldNumberReply(const std::wstring &fileText)
{
    // The row limit first, so that no work is spent on a list that is refused anyway.
    const std::size_t separators = CountLineEnds(fileText);
    if (separators > kMaxOldNumberRows) {
        return JsonUtil::Msg(L"error", kTooManyOldNumbers);
    }
    // Rows end in CR LF, LF or CR; numbers are separated by ",", " ", ":" or "+".
    std::wstring text = fileText;
    ReplaceAll(text, L"\r\n", L"|");
    std::replace(text.begin(), text.end(), L'\r', L'|');
    std::replace(text.begin(), text.end(), L'\n', L'|');
    for (wchar_t &c : text) {
        if (c == L' ' || c == L':' || c == L'+' || c == L'\t') {
            c = L',';
        }
    }
    bool onlyNumbers = std::all_of(text.begin(), text.end(), [](wchar_t c) {
        return (c >= L'0' && c <= L'9') || c == L',' || c == L'|';
    });
    if (!onlyNumbers) {
        return JsonUtil::Msg(L"error", kBadFile);
    }
    return L"{\"oldNum\":\"" + text + L"\",\"length\":" + std::to_wstring(separators) + L"}";
}

std::wstring OnOpenOldNum(WindowSystem &windows, const Json::Value & /*request*/)
{
    std::optional<std::string> path = windows.ChooseFileToOpen(FileKind::Text);
    if (!path) {
        return JsonUtil::Msg(L"cancel", L"取消打开结果！");
    }
    UserFileText file = ReadUserFile(*path, kMaxOldNumberFileBytes);
    if (file.status == UserFileText::Status::TooLarge) {
        return JsonUtil::Msg(L"error", L"文件过大，大底号码最大支持10000注！");
    }
    if (!file.ok()) {
        return JsonUtil::Msg(L"error", kBadFile);
    }
    return OldNumberReply(file.text);
}

std::wstring OnSaveScenario(WindowSystem &windows, const Json::Value &request)
{
    const std::wstring text = JsonUtil::ObjToJsonStr(request);
    // Refused before the dialog: a file "OpenScenario" would not read back is never written.
    if (basekit::CStrW2CStrA(text).size() > kMaxScenarioFileBytes) {
        return JsonUtil::Msg(L"error", L"方案过大（超过4MB），无法保存！");
    }
    return SaveText(windows, FileKind::Scenario, text, L"cancel");
}

std::wstring OnOpenScenario(WindowSystem &windows, const Json::Value & /*request*/)
{
    std::optional<std::string> path = windows.ChooseFileToOpen(FileKind::Scenario);
    if (!path) {
        return JsonUtil::Msg(L"cancel", L"取消导入！");
    }
    UserFileText file = ReadUserFile(*path, kMaxScenarioFileBytes);
    if (file.status == UserFileText::Status::TooLarge) {
        return JsonUtil::Msg(L"error", L"文件过大，不是本程序保存的方案！");
    }
    Json::Value scenario = file.ok() ? JsonUtil::JsonStrToJsonObj(file.text) : Json::Value();
    if (!scenario.isObject()) {
        return JsonUtil::Msg(L"error", kBadFile);
    }
    // Never the file's own text: the page evaluates the answer, so it is parsed and written anew.
    std::wstring json = JsonUtil::ObjToJsonStr(scenario);
    while (!json.empty() && (json.back() == L'\n' || json.back() == L'\r')) {
        json.pop_back();
    }
    return json;
}

std::wstring OnSaveLuckyNum(WindowSystem &windows, const Json::Value &request)
{
    std::wstring luckyNumbers = JsonUtil::GetString(request, "luckyNum");
    if (basekit::CStrW2CStrA(luckyNumbers).size() > kMaxLuckyNumberBytes) {
        return JsonUtil::Msg(L"error", L"号码太多，无法保存！");
    }
    return SaveText(windows, FileKind::Text, luckyNumbers, L"ok");
}

} // namespace qel
