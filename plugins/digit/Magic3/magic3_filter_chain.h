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

protected:
    // History tables of the game's own (magic3_history_tables.h).
    std::wstring GetDetailedDataForBase(const std::wstring &frontStyle, const std::wstring &backStyle,
                                        calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForDistribution(const std::wstring &frontStyle, const std::wstring &backStyle,
                                                std::span<const std::wstring> styles,
                                                calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForShape(const std::wstring &type, const std::wstring &frontStyle,
                                         const std::wstring &backStyle, calculation::Rates rates,
                                         int pad) override;
    std::wstring GetDetailedDataForSpan(const std::wstring &frontStyle, const std::wstring &backStyle,
                                        calculation::Rates rates, int count, int pad) override;
    std::wstring GetDetailedDataForHeZhi(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         std::span<const calculation::SumRange> ranges,
                                         calculation::Rates rates, int pad) override;
    std::wstring GetDetailedDataForWuXing(const std::wstring &frontStyle, const std::wstring &backStyle,
                                          calculation::Rates rates, int mode, int pad) override;
    std::wstring GetDetailedDataForOther(const std::wstring &frontStyle, int pad) override;
    std::wstring GetDetailedDataForLuShu(const std::wstring &frontStyle, const std::wstring &backStyle,
                                         const std::wstring &type, calculation::Rates rates,
                                         int pad) override;
    std::wstring GetDetailedDataForWx(const std::wstring &frontStyle, const std::wstring &backStyle,
                                      const std::wstring &type, calculation::Rates rates, int pad) override;

private:
    void FilterNewRows();
    void FilterOldRows();
};

} // namespace plugins::magic3
