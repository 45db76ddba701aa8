/// \file
/// \brief The result-list and file requests of a window: pages, search, edits, saving and opening.
///
/// Each takes the window's plug-in host (and, for files, the desktop's dialogs) and the parsed
/// request, and answers a reply text. A window without a bound game answers the result requests
/// with an empty page and the save requests with an error.
#pragma once

#include <cstddef>
#include <string>

#include <json/value.h>

#include "filter/filter_context.h"
#include "window/window_system.h"

namespace qel {

/// The largest scenario file, in bytes, that "SaveScenario" writes and "OpenScenario" reads. A
/// scenario is a saved "Filter" request, old numbers and all.
constexpr std::size_t kMaxScenarioFileBytes = std::size_t{4} << 20;

std::wstring OnGetResultByPage(CFilterContext &filter, const Json::Value &request);
std::wstring OnSearchResult(CFilterContext &filter, const Json::Value &request);
std::wstring OnDeleteRows(CFilterContext &filter, const Json::Value &request);
std::wstring OnAddRow(CFilterContext &filter, const Json::Value &request);
std::wstring OnDeleteAll(CFilterContext &filter, const Json::Value &request);
/// The history table "tab" of the window's game over the draws its chain cached; "" for a tab that
/// names no table.
std::wstring OnGetDetailedData(CFilterContext &filter, const Json::Value &request);

std::wstring OnSaveResult(CFilterContext &filter, WindowSystem &windows, const Json::Value &request);
std::wstring OnOpenOldNum(WindowSystem &windows, const Json::Value &request);
std::wstring OnSaveScenario(WindowSystem &windows, const Json::Value &request);
std::wstring OnOpenScenario(WindowSystem &windows, const Json::Value &request);
std::wstring OnSaveLuckyNum(WindowSystem &windows, const Json::Value &request);

/// The reply of an old-number file's text, or an error reply when it is not one.
std::wstring OldNumberReply(const std::wstring &fileText);

} // namespace qel
