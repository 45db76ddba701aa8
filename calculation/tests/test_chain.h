// A configurable game for the engine's tests: a first stage with the common conditions and a
// last stage with the per-position patterns, over rows of any length, enumerated by DoFilter.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "calculation/abstract_filter_chain.h"

namespace testsupport {

struct GameShape {
    int frontCount = 5;
    int backCount = 0;
    int bigStart = 18;
    int areaWidth = 12;
    int mode = 1;
};

class FirstStage : public calculation::AbstractFilter {
public:
    explicit FirstStage(GameShape shape) : shape_(shape) {}
    void SetFilterData(const calculation::DataMap &conditions) override
    {
        SetCommonProp(conditions, shape_.frontCount, shape_.bigStart, shape_.areaWidth, shape_.mode);
        SetCommonIndexData(conditions);
    }
    int FilterRow(const int *row, int length, int &wrongCount) override
    {
        ++tested;
        if (onTest) {
            onTest(row);
        }
        if (DingWeiFilter(row) == 0 || firstLevelFilter(row, wrongCount) == 0) {
            return 0;
        }
        return next ? next->FilterRow(row, length, wrongCount) : 1;
    }
    void ResetFilterData() override { ReSetCommonIndexData(); }

    // What the tests look at.
    bool baseNumsLoaded() const { return baseNums.enabled(); }
    int maxWrongValue() const { return maxWrong; }

    long long tested = 0;
    std::function<void(const int *)> onTest;

private:
    GameShape shape_;
};

class LastStage : public calculation::AbstractFilter {
public:
    explicit LastStage(GameShape shape) : shape_(shape) {}
    void SetFilterData(const calculation::DataMap &conditions) override
    {
        SetCommonProp(conditions, shape_.frontCount, shape_.bigStart, shape_.areaWidth, shape_.mode);
        SetBOZLData(conditions);
    }
    int FilterRow(const int *row, int, int &wrongCount) override { return BOZLFilter(row, wrongCount); }
    void ResetFilterData() override { ResetBOZLData(); }

private:
    GameShape shape_;
};

class TestChain : public calculation::AbstractFilterChain {
public:
    explicit TestChain(GameShape shape = {}) : shape_(shape)
    {
        frontCount_ = shape.frontCount;
        backCount_ = shape.backCount;
        bigStart_ = shape.bigStart;
        areaWidth_ = shape.areaWidth;
        frontMax_ = 35;
        backMax_ = shape.backCount > 0 ? 12 : 0;
    }
    void CreateChainNode() override
    {
        auto first = std::make_unique<FirstStage>(shape_);
        firstStage = first.get();
        AddToChain(std::move(first));
        AddToChain(std::make_unique<LastStage>(shape_));
    }
    calculation::NumberRowList *Filter() override
    {
        calculation::NumberRowList &list = NewResultList();
        DoFilter(FrontPool(), list);
        return &list;
    }

    // The protected engine operations, for the tests.
    using AbstractFilterChain::cXy;
    using AbstractFilterChain::RotateMatrix;
    int RunCombine(const std::vector<int> &values, int k)
    {
        calculation::NumberRowList &list = NewResultList();
        return Combine(values, k, list);
    }
    void SetTotals(int primary, int after)
    {
        primaryTotal_ = primary;
        afterFilterLen_ = after;
    }
    void SetGameKey(const std::wstring &key) { gameKey_ = key; }
    void SetFrontPoolKey(const std::wstring &key) { frontPoolKey_ = key; }
    void SetNoBackInText(int value) { noBackInText_ = value; }

    FirstStage *firstStage = nullptr;

private:
    GameShape shape_;
};

} // namespace testsupport
