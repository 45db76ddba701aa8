// The chain's stages and its runs: the stages a game links, the request each run hands them, and
// the result lists a run makes, sets aside and releases.
#include "calculation/abstract_filter_chain.h"

#include <algorithm>

#include "basekit/debug.h"
#include "basekit/text_convert.h"

namespace calculation {
namespace {

const wchar_t kNodeIndexError[] = L"索引值大于了过滤节点数！";

} // namespace

ChainError::ChainError(std::wstring message)
    : std::runtime_error(basekit::CStrW2CStrA(message)), message_(std::move(message))
{
}

AbstractFilterChain::AbstractFilterChain() = default;
AbstractFilterChain::~AbstractFilterChain() = default;

void AbstractFilterChain::CreateChainNode()
{
    throw ChainError(L"No implementation!");
}

AbstractFilter *AbstractFilterChain::GetFirstFilter() const
{
    return filters_.empty() ? nullptr : filters_.front().get();
}

AbstractFilter *AbstractFilterChain::GetLastFilter() const
{
    return filters_.empty() ? nullptr : filters_.back().get();
}

AbstractFilter *AbstractFilterChain::GetFilter(int index) const
{
    if (index < 0 || index >= FilterCount()) {
        return nullptr;
    }
    return filters_[index].get();
}

void AbstractFilterChain::AddToChain(std::unique_ptr<AbstractFilter> stage)
{
    if (!stage) {
        return;
    }
    if (!filters_.empty()) {
        filters_.back()->next = stage.get();
    }
    filters_.push_back(std::move(stage));
}

void AbstractFilterChain::SetNodeData(const DataMap &conditions, int index)
{
    if (index < 0 || index >= FilterCount()) {
        basekit::Debug(std::wstring(kNodeIndexError), L"SetNodeData");
        throw ChainError(kNodeIndexError);
    }
    if (&conditions != &runRequest_.conditions) {
        runRequest_ = RunRequest::Of(conditions);
    }
    filters_[index]->SetFilterData(conditions);
}

void AbstractFilterChain::SetRunRequest(RunRequest request)
{
    runRequest_ = std::move(request);
    // Stages 0 and 1 at least, as every run of the program hands them: a chain with fewer stages
    // fails the run with ChainError.
    for (int index = 0; index < std::max(FilterCount(), 2); ++index) {
        SetNodeData(runRequest_.conditions, index);
    }
}

void AbstractFilterChain::ResetAll()
{
    for (auto &stage : filters_) {
        stage->ResetFilterData();
    }
    runRequest_ = {};
    // The search list refers to the rows of this run, so it goes aside with them. A run set
    // aside earlier and never released is released here rather than lost.
    ReleaseRun(std::move(previous_));
    auto run = std::make_unique<Run>();
    run->result = std::move(resultList_);
    run->search = std::move(searchList_);
    previous_ = std::move(run);
    primaryTotal_ = 0;
    afterFilterLen_ = 0;
}

void AbstractFilterChain::DeleteOldData()
{
    ReleaseRun(std::move(previous_));
}

void AbstractFilterChain::DeleteAll()
{
    searchList_.reset();
    resultList_.reset();
    previous_.reset();
    keptList_.reset();
}

void AbstractFilterChain::ReleaseRun(std::unique_ptr<Run> run)
{
    if (!run) {
        return;
    }
    run->search.reset(); // it may refer to the result rows
    std::unique_ptr<NumberRowList> &result = run->result;
    if (result && !keptList_ && result->rowLength() == rowLength() && result->heldBytes() <= kKeptListBytes) {
        result->Clear();
        keptList_ = std::move(result);
    }
}

NumberRowList &AbstractFilterChain::NewResultList()
{
    if (keptList_ && keptList_->rowLength() == rowLength()) {
        resultList_ = std::move(keptList_);
    } else {
        keptList_.reset();
        resultList_ = std::make_unique<NumberRowList>(rowLength());
    }
    return *resultList_;
}

NumberRowList &AbstractFilterChain::NewSearchList()
{
    searchList_ = std::make_unique<NumberRowList>(rowLength());
    return *searchList_;
}

} // namespace calculation
