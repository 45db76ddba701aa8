#include "calculation/history/summary_rows.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "basekit/number_text.h"

namespace calculation {
namespace {

// What the draw rows show of one column.
struct Tally {
    int hits = 0;
    int run = 0;
    int longestRun = 0;
    int misses = 0; ///< draws since the last hit
};

// The columns of the draw rows that the summary counts, in the order first met.
class Tallies {
public:
    void Count(const std::wstring &key, bool hit)
    {
        auto [it, added] = byKey_.try_emplace(key);
        if (added) {
            order_.push_back(key);
        }
        Tally &tally = it->second;
        if (hit) {
            ++tally.hits;
            ++tally.run;
            tally.longestRun = std::max(tally.longestRun, tally.run);
            tally.misses = 0;
        } else {
            tally.run = 0;
            ++tally.misses;
        }
    }

    // A named row with one count per column.
    basekit::OrderedRow Row(std::wstring name, int Tally::*count) const
    {
        basekit::OrderedRow row{{L"name", std::move(name)}};
        for (const std::wstring &key : order_) {
            row.emplace_back(key, std::to_wstring(byKey_.at(key).*count));
        }
        return row;
    }

private:
    std::vector<std::wstring> order_;
    std::unordered_map<std::wstring, Tally> byKey_;
};

const std::wstring &RateAt(Rates rates, std::size_t i)
{
    static const std::wstring kNoRate;
    return i < rates.size() ? rates[i] : kNoRate;
}

std::wstring TheoreticalMiss(const std::wstring &rate, std::wstring_view format)
{
    const double p = basekit::StrToDouble(rate);
    if (p == 0 || 100 / p >= 1000) {
        return L"∞";
    }
    return basekit::DoubleToStr(100 / p - 1, format);
}

} // namespace

void AddSumRow(basekit::TextMapPtrList &rows, Rates rates, std::span<const std::wstring> keys,
               std::wstring_view skipKeys, std::wstring_view format)
{
    Tallies tallies;
    for (const basekit::OrderedRow &row : rows) {
        for (const auto &[key, value] : row) {
            if (skipKeys.find(key) == std::wstring_view::npos) {
                tallies.Count(key, !value.empty());
            }
        }
    }
    const std::wstring n = std::to_wstring(rows.size());
    const auto draws = static_cast<double>(rows.size());
    basekit::OrderedRow probability{{L"name", L"理论出现概率（%）"}};
    basekit::OrderedRow expected{{L"name", n + L"期理论出现（期）"}};
    basekit::OrderedRow expectedMiss{{L"name", L"理论遗漏（期）"}};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::wstring &rate = RateAt(rates, i);
        probability.emplace_back(keys[i], rate);
        expected.emplace_back(keys[i],
                              basekit::DoubleToStr(basekit::StrToDouble(rate) * draws / 100, format));
        expectedMiss.emplace_back(keys[i], TheoreticalMiss(rate, format));
    }
    rows.push_back(std::move(probability));
    rows.push_back(std::move(expected));
    rows.push_back(tallies.Row(n + L"期实际出现（期）", &Tally::hits));
    rows.push_back(tallies.Row(n + L"期最大连出（期）", &Tally::longestRun));
    rows.push_back(std::move(expectedMiss));
    rows.push_back(tallies.Row(n + L"期当前遗漏（期）", &Tally::misses));
}

} // namespace calculation
