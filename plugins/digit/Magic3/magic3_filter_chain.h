/// \file
/// \brief The filter chain of the three-digit game "Magic3": positions 1-3 each a digit 0-9,
/// played straight ("zhiXuan"), as a group of six ("zuLiu") or as a group of three ("zuSan").
#pragma once

#include "digit/common/digit_chain.h"

namespace plugins::magic3 {

class Magic3FilterChain : public digit::DigitFilterChain {
public:
    Magic3FilterChain();

    void CreateChainNode() override;
    calculation::NumberRowList *Filter() override;
    std::wstring GetDataByPage(const std::wstring &listFlag, int pageSize, int pageNum, int pad) override;
    calculation::NumberRowList *SearchResult(const std::wstring &type) override;

private:
    void FilterNewRows();
    void FilterOldRows();
};

} // namespace plugins::magic3
