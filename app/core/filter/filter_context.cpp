#include "filter/filter_context.h"

#include "basekit/json_util.h"
#include "calculation/game_table.h"
#include "filter/filter_criteria.h"

namespace qel {

CFilterContext::~CFilterContext()
{
    Release();
}

void CFilterContext::Release()
{
    worker_.Join();
    if (chain_) {
        chain_->ResetAll();
        chain_->DeleteAll();
        chain_.reset();
    }
    library_.Close();
    firstRun_ = true;
}

void CFilterContext::SwitchPlugin(const std::wstring &gameKey)
{
    Release();
    lastError_.clear();
    if (calculation::FindGame(gameKey) == nullptr) {
        lastError_ = "no plug-in for this game";
        return;
    }
    if (!library_.Open(calculation::PluginPathForGame(gameKey))) {
        lastError_ = library_.error();
        return;
    }
    chain_ = library_.MakeChain();
    if (!chain_) {
        lastError_ = library_.error();
        library_.Close();
        return;
    }
    chain_->SetBaseUrl(baseUrl_);
}

std::wstring CFilterContext::OnFilter(const Json::Value &request)
{
    if (!chain_) {
        return basekit::JsonUtil::Msg(L"error", L"请先选择彩种！");
    }
    // The request is read here, once; the chain takes it as it is.
    calculation::RunRequest run =
        BuildRunRequest(basekit::JsonUtil::JsonArrayToList(basekit::JsonUtil::GetArray(request, "items")));
    // Checked before anything is run, and before the current run is set aside.
    if (run.oldEntries > kMaxOldNumberRows) {
        return basekit::JsonUtil::Msg(L"error", kTooManyOldNumbers);
    }
    worker_.Join();
    if (!firstRun_) {
        chain_->ResetAll();
    }
    chain_->SetRunRequest(std::move(run));
    chain_->Filter();
    if (!firstRun_) {
        worker_.Start(*chain_);
    }
    firstRun_ = false;
    return chain_->GetDataByPage(L"0", 100, 1, 1);
}

} // namespace qel
